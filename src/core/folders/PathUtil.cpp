// Path helpers of the folder toolkit: directory paths, existence and
// readiness tests, name parts and machine fields.
#include <cctype>

#include "core/common/State.h"
#include "core/common/Text.h"
#include "core/folders/DirectoryLists.h"
#include "platform/Platform.h"

namespace qv {

std::string DirectoryPath(const std::string& machine, const std::string& name) {
    const std::string m = Trim(machine);
    const std::string n = Trim(name);
    if (HasColon(n)) return n.substr(0, 2) + "\\";
    // Empty parts add no separator, so "no directory" is the machine folder
    // itself rather than a path with a doubled "\".
    std::string path = State().Config.MachineRoot;
    if (!m.empty()) path += m + "\\";
    if (!n.empty()) path += n + "\\";
    return path;
}

bool DirectoryExists(const std::string& machine, const std::string& name) {
    if (HasColon(name)) return DriveReady(name);
    std::string path = DirectoryPath(machine, name);
    if (path.empty()) return false;  // no program root known yet
    path.pop_back();
    return platform::Current().entryExists(path);
}

bool DriveReady(const std::string& name) {
    const std::string n = Trim(name);
    if (n.empty()) return false;
    const char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(n[0])));
    if (letter < 'A' || letter > 'Z') return false;
    return platform::Current().driveReady(letter);
}

std::string StripExtension(const std::string& name) {
    const std::string n = Trim(name);
    const std::size_t dot = n.rfind('.');
    return dot == std::string::npos ? n : Trim(n.substr(0, dot));
}

std::string LastPathComponent(const std::string& path) {
    const std::string p = Trim(path);
    const std::size_t cut = p.find_last_of("\\/:");
    return cut == std::string::npos ? p : p.substr(cut + 1);
}

std::string MachineFieldLookup(std::int16_t number, int field) {
    std::string found;
    for (const MachineEntry& entry : State().Config.MachineTable) {
        if (entry.Number != number) continue;
        switch (field) {
            case 1: found = Trim(entry.Name); break;
            case 2: found = Trim(entry.Field2); break;
            case 3: found = Trim(entry.Field4); break;
            default: found.clear(); break;
        }
    }
    return found;
}

}  // namespace qv
