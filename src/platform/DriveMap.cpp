// Drive map parsing.
#include "platform/DriveMap.h"

#include <cctype>
#include <sstream>

#include "platform/CaseFold.h"

namespace qv::platform {
namespace {

std::string Trim(const std::string& s) {
    std::size_t b = s.find_first_not_of(" \t\r\n");
    if (b == std::string::npos) return "";
    std::size_t e = s.find_last_not_of(" \t\r\n");
    return s.substr(b, e - b + 1);
}

bool TypeFromWord(const std::string& word, DriveType& type) {
    static const struct {
        const char* word;
        DriveType type;
    } kTypes[] = {{"FIXED", DriveType::Fixed},   {"REMOVABLE", DriveType::Removable},
                  {"REMOTE", DriveType::Remote}, {"CDROM", DriveType::CdRom},
                  {"RAMDISK", DriveType::RamDisk}};
    std::string upper = FoldCase(word);
    for (const auto& t : kTypes) {
        if (upper == t.word) {
            type = t.type;
            return true;
        }
    }
    return false;
}

}  // namespace

DriveMapParse ParseDriveMap(const std::string& text) {
    DriveMapParse out;
    std::istringstream in(text);
    std::string raw;
    int lineNumber = 0;
    while (std::getline(in, raw)) {
        ++lineNumber;
        std::string line = Trim(raw);
        if (line.empty() || line[0] == ';' || line[0] == '#') continue;
        auto problem = [&](const std::string& what) {
            out.problems.push_back("line " + std::to_string(lineNumber) + ": " + what);
        };
        std::size_t firstComma = line.find(',');
        if (firstComma == std::string::npos) {
            problem("expected \"letter, host folder, type\"");
            continue;
        }
        std::string letter = Trim(line.substr(0, firstComma));
        if (letter.size() == 2 && letter[1] == ':') letter.resize(1);
        if (letter.size() != 1 || !std::isalpha(static_cast<unsigned char>(letter[0]))) {
            problem("\"" + letter + "\" is not a drive letter");
            continue;
        }
        // The type is after the last comma, so a host folder may hold commas.
        std::string rest = line.substr(firstComma + 1);
        std::string folder = rest;
        DriveEntry entry;
        std::size_t lastComma = rest.rfind(',');
        if (lastComma != std::string::npos) {
            std::string word = Trim(rest.substr(lastComma + 1));
            if (!TypeFromWord(word, entry.type)) {
                problem("unknown drive type \"" + word + "\"");
                continue;
            }
            folder = rest.substr(0, lastComma);
        }
        folder = Trim(folder);
        while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
        if (folder.empty()) {
            problem("no host folder for drive " + letter);
            continue;
        }
        entry.hostFolder = folder;
        out.drives[FoldCase(letter[0])] = entry;
    }
    return out;
}

DriveMap DefaultDriveMap() {
    DriveMap map;
    map['C'] = DriveEntry{"/", DriveType::Fixed};
    return map;
}

}  // namespace qv::platform
