// The nesting option step of the machine set-up.
#include "core/startup/Nesting.h"

#include "core/common/State.h"
#include "core/common/Text.h"
#include "core/common/TextFile.h"
#include "core/startup/InstallationFiles.h"
#include "platform/Platform.h"

namespace qv {

const char* const NestingQuestionLine =
    "Nesting ? (Yes / No)                         : No";

namespace {

// True when "Nesting.cfg" names a nesting setup file that exists.
bool NestingSetUpFileExists(const std::string& configPath) {
    auto lines = ReadLines(configPath);
    if (!lines || lines->empty()) return false;
    std::string first = Trim(lines->front());
    return !first.empty() && first != "******" && platform::Current().fileExists(first);
}

// The machine's answer: 2 when it nests, 1 when it does not or the file had
// to be (re)made with the answer "No".
std::int16_t MachineNestingLevel(const std::string& nestPath) {
    auto& host = platform::Current();
    if (!host.fileExists(nestPath) || host.fileSize(nestPath) < 1) {
        (void)WriteLines(nestPath, {NestingQuestionLine, "******"});
        return 1;
    }
    auto lines = ReadLines(nestPath);
    if (!lines || lines->empty()) return 1;
    return Upper(ValueAfterColon(lines->front())) == "NO" ? 1 : 2;
}

}  // namespace

void SetUpNesting() {
    auto& config = State().Config;
    auto& host = platform::Current();
    config.NestingLevel = 0;
    const std::string configPath = config.SystemFolder + "Nesting.cfg";
    if (!host.fileExists(configPath)) return;
    config.NestingLevel = 1;
    if (!config.FullSuite || !host.fileExists(config.SystemFolder + "Quornst.exe")) return;
    if (!NestingSetUpFileExists(configPath)) return;
    config.NestingLevel = MachineNestingLevel(State().Mach.MachinePrefix + "nst");
    if (config.NestingLevel > 1) MakeFolderIfMissing(config.SystemFolder + "Nesting");
}

}  // namespace qv
