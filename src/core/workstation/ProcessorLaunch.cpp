// Launching the reverse processor and reading its status.
#include "core/workstation/ProcessorLaunch.h"

#include "core/common/Messages.h"
#include "core/common/State.h"
#include "core/common/Text.h"
#include "core/workstation/ExchangeFiles.h"
#include "core/workstation/ReverseRunState.h"
#include "platform/Platform.h"

namespace qv {

namespace {
constexpr std::int16_t FailedStatus = 1;
}

std::string ProcessorPath() {
    return State().Config.SystemFolder + Upper(Trim(State().Reverse.ReverseExecutable)) + ".exe";
}

std::int64_t StartProcessor() {
    // Starting is the test of presence: the host may keep programs without
    // the ".exe" ending, and one that exists but will not start is as good
    // as missing to the user.
    const std::int64_t processId =
        platform::Current().startProgram("\"" + ProcessorPath() + "\"", platform::WindowState::Normal);
    if (processId == 0) Refuse("Reverse Processor is Missing\n\nReverse Engineering Aborted");
    return processId;
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

}  // namespace qv
