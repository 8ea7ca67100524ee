// Starting the selected reverse processor and waiting for its status.
#pragma once

#include <cstdint>
#include <string>

#include "platform/Result.h"

namespace qv {

/// SystemFolder & the selected processor's executable (trimmed, upper case)
/// & ".exe".
std::string ProcessorPath();

/// A started processor, or why none was started: the error's kind is
/// NotFound for a missing processor.
struct ProcessorStart {
    std::int64_t processId = 0;
    Status error;
};

/// Starts the processor with a normal window and no arguments, its output
/// going to "Reverse.log" in the system folder (an older log is removed
/// first, so it never passes for this run's).
ProcessorStart StartProcessor();

/// "Reverse Processor is Missing", the file looked for, "Reverse Engineering Aborted".
std::string ProcessorMissingText();

/// Waits with no time limit for the process to end (never for identifier 0),
/// then reads and deletes "Finished.flg". The status is above 0 for a
/// failure: no process, no flag, or a flag that cannot be read.
std::int16_t WaitForProcessor(std::int64_t processId);

/// The last lines the processor wrote ("" when it wrote nothing), for the
/// failure notice.
std::string ProcessorOutputTail();

}  // namespace qv
