// Launching the reverse processor and reading its status.
#include "core/workstation/ProcessorLaunch.h"

#include "core/common/State.h"
#include "core/common/Text.h"
#include "core/workstation/ExchangeFiles.h"
#include "core/workstation/ReverseRunState.h"
#include "platform/Platform.h"

namespace qv {

namespace {
constexpr std::int16_t FailedStatus = 1;
constexpr std::size_t TailLines = 8;
constexpr std::size_t TailLineLength = 160;
}  // namespace

std::string ProcessorPath() {
    return State().Config.SystemFolder + Upper(Trim(State().Reverse.ReverseExecutable)) + ".exe";
}

std::string ProcessorMissingText() {
    return "Reverse Processor is Missing\n\n\"" + ProcessorPath() + "\"\n\nReverse Engineering Aborted";
}

ProcessorStart StartProcessor() {
    platform::Platform& os = platform::Current();
    const std::string log = SystemFile(ProcessorLogFile);
    ProcessorStart start;
    if (os.fileExists(log)) start.error = os.deleteFile(log);
    if (!start.error.ok()) return start;
    // The host may keep programs without the ".exe" ending: the start itself
    // tells a missing program from one that will not run.
    Result<std::int64_t> started = os.startProgram("\"" + ProcessorPath() + "\"", platform::WindowState::Normal, log);
    if (started.ok()) start.processId = *started;
    else start.error = started.status();
    return start;
}

std::int16_t WaitForProcessor(std::int64_t processId) {
    if (processId == 0) return FailedStatus;
    platform::Platform& os = platform::Current();
    const platform::ProcessHandle handle = os.openProcess(processId);
    if (handle != 0) {
        os.waitForProcess(handle);
        os.closeProcess(handle);
    }
    const std::string flag = SystemFile(FinishedFlagFile);
    if (!os.fileExists(flag)) return FailedStatus;
    auto status = ReadFinishedFlag(flag);
    (void)os.deleteFile(flag);
    if (!status) return FailedStatus;
    return status.value();
}

std::string ProcessorOutputTail() {
    Result<std::string> text = platform::Current().readFile(SystemFile(ProcessorLogFile));
    if (!text.ok()) return {};
    std::vector<std::string> lines;
    std::size_t start = 0;
    const std::string& all = *text;
    while (start < all.size()) {
        std::size_t end = all.find('\n', start);
        if (end == std::string::npos) end = all.size();
        std::string line = Trim(all.substr(start, end - start));
        if (!line.empty()) lines.push_back(line.size() > TailLineLength ? line.substr(0, TailLineLength) + "..." : line);
        start = end + 1;
    }
    std::string tail;
    for (std::size_t i = lines.size() > TailLines ? lines.size() - TailLines : 0; i < lines.size(); ++i)
        tail += (tail.empty() ? "" : "\n") + lines[i];
    return tail;
}

}  // namespace qv
