// File lists: the base names of a directory's programs and drawings.
#include <unordered_set>

#include "core/common/Text.h"
#include "core/folders/DirectoryLists.h"
#include "platform/Platform.h"

namespace qv {
namespace {

std::string PatternFor(int kind, const std::string& pattern) {
    switch (kind) {
        case DrawingFiles: return "*.drw";
        case ProgramFiles: return "*.prg";
        case DrawingAndProgramFiles: return "*.drw;*.prg";
        default: return Trim(pattern);
    }
}

}  // namespace

ListRows FillFileList(const std::string& machine, const std::string& directory,
                      const std::string& currentName, int mode, int kind,
                      const std::string& pattern) {
    ListRows rows;
    const std::string patterns = PatternFor(kind, pattern);
    if (patterns.empty()) return rows;
    Result<std::vector<std::string>> listed = platform::Current().listFiles(DirectoryPath(machine, directory), patterns);
    if (!listed.ok()) {
        rows.error = listed.status();
        return rows;
    }
    const std::vector<std::string>& files = *listed;
    if (files.empty()) return rows;

    // With several patterns a program and a drawing of one name give one row.
    // Names are remembered, not only compared with the row before, because
    // a name such as "X.e.prg" can sort between "X.drw" and "X.prg".
    const bool several = patterns.find(';') != std::string::npos;
    std::unordered_set<std::string> seen;
    const std::string currentUpper = Upper(Trim(currentName));
    int remembered = -1;
    rows.items.reserve(files.size());
    for (const std::string& file : files) {
        std::string base = StripExtension(file);
        std::string upper = Upper(base);
        if (several && !seen.insert(upper).second) continue;
        if (upper == currentUpper) remembered = static_cast<int>(rows.items.size());
        rows.items.push_back(std::move(base));
    }

    rows.data.assign(rows.items.size(), 0);
    if (mode == SelectFirst) rows.selected = rows.items.empty() ? -1 : 0;
    else if (mode == SelectCurrent) rows.selected = remembered;
    return rows;
}

}  // namespace qv
