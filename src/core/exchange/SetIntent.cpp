// Writing and reading the intent record of a set change.
#include "core/exchange/SetIntent.h"

#include "core/common/TextFile.h"
#include "platform/Platform.h"

namespace qv::fileset {
namespace {

const char* const kHeader = "QVSET 1";

// A name that would break the record's lines or fields cannot be recorded
// (Ctrl-Z ends a text file for the line reader).
bool Recordable(const std::string& path) { return path.find_first_of("|\r\n\x1a") == std::string::npos; }

// "KEY a|b|c" split into its fields when the line has that key and count.
bool Fields(const std::string& line, const std::string& key, std::size_t count, std::vector<std::string>& out) {
    if (line.compare(0, key.size() + 1, key + " ") != 0) return false;
    out.clear();
    std::size_t start = key.size() + 1;
    for (;;) {
        const std::size_t bar = line.find('|', start);
        out.push_back(line.substr(start, bar == std::string::npos ? std::string::npos : bar - start));
        if (bar == std::string::npos) break;
        start = bar + 1;
    }
    return out.size() == count;
}

Status Unrecordable(const std::string& path) {
    return Status::Error(path + ": a file name holds a character the record cannot keep");
}

}  // namespace

std::string IntentPath(const std::string& folder) { return folder + "~qvset.tmp"; }

Status WriteIntent(const std::string& path, const SetIntent& intent) {
    std::string text = std::string(kHeader) + "\r\n" + (intent.committed ? "COMMITTED" : "BEGUN") + "\r\n" +
                       (intent.move ? "MOVE" : "COPY") + "\r\n";
    for (const SetIntent::Staged& s : intent.staged) {
        if (!Recordable(s.from) || !Recordable(s.to)) return Unrecordable(path);
        text += "STAGED " + s.temp + "|" + s.from + "|" + s.to + "\r\n";
    }
    for (const SetIntent::Aside& a : intent.aside) {
        if (!Recordable(a.original)) return Unrecordable(path);
        text += "ASIDE " + a.temp + "|" + a.original + "\r\n";
    }
    return platform::Current().writeFile(path, text + "END\r\n");
}

Result<SetIntent> ReadIntent(const std::string& path) {
    Result<std::string> content = platform::Current().readFile(path);
    if (!content) return content.status();
    const std::vector<std::string> lines = SplitLines(*content);
    const Status broken = Status::Error(path + ": not a whole record of a set change");
    if (lines.size() < 4 || lines[0] != kHeader || lines.back() != "END") return broken;
    SetIntent intent;
    if (lines[1] != "BEGUN" && lines[1] != "COMMITTED") return broken;
    if (lines[2] != "COPY" && lines[2] != "MOVE") return broken;
    intent.committed = lines[1] == "COMMITTED";
    intent.move = lines[2] == "MOVE";
    std::vector<std::string> f;
    for (std::size_t i = 3; i + 1 < lines.size(); ++i) {
        if (Fields(lines[i], "STAGED", 3, f)) {
            intent.staged.push_back({f[0], f[1], f[2]});
        } else if (Fields(lines[i], "ASIDE", 2, f)) {
            intent.aside.push_back({f[0], f[1]});
        } else {
            return broken;
        }
    }
    return intent;
}

}  // namespace qv::fileset
