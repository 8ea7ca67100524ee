// "Lastfile.lst": reading and writing the recent-program memory.
#include "core/workstation/RecentFile.h"

#include "core/common/State.h"
#include "core/common/Text.h"
#include "core/common/TextFile.h"
#include "core/folders/DirectoryLists.h"
#include "platform/Platform.h"

namespace qv {

std::string RecentFilePath() { return State().Config.SystemFolder + "Lastfile.lst"; }

Status RememberLastFile(const std::string& directory, const std::string& name) {
    const std::string dir = Trim(directory);
    const std::string program = Trim(name);
    if (dir.empty() || HasColon(dir) || program.empty()) return Status::Ok();
    return WriteLines(RecentFilePath(), {QuoteField(dir), QuoteField(program), "******"});
}

bool RecallLastFile(std::string& directory, std::string& name) {
    auto content = platform::Current().readFile(RecentFilePath());
    bool found = false;
    if (content) {
        auto lines = SplitLines(*content);
        std::string first = lines.empty() ? std::string() : Trim(lines.front());
        if (!first.empty() && first != "******") {
            FieldReader fields(*content);
            directory = Trim(fields.next());
            name = Trim(fields.next());
            found = !directory.empty() && !name.empty() &&
                    platform::Current().fileExists(
                        DirectoryPath(State().Mach.MachineFolder, directory) + name + ".prg");
        }
    }
    if (!found) (void)ResetLastFile();
    return found;
}

Status ResetLastFile() { return WriteLines(RecentFilePath(), {"******"}); }

}  // namespace qv
