// Starting the selected reverse processor and waiting for its status.
#pragma once

#include <cstdint>
#include <string>

namespace qv {

/// SystemFolder & the selected processor's executable (trimmed, upper case)
/// & ".exe".
std::string ProcessorPath();

/// Starts the processor with a normal window and no arguments. A missing
/// processor, or one that cannot be started, is reported as missing
/// ("Reverse Processor is Missing" / "Reverse Engineering Aborted"); the
/// process identifier is then 0.
std::int64_t StartProcessor();

/// Waits with no time limit for the process to end (never for identifier 0),
/// then reads and deletes "Finished.flg". The status is above 0 for a
/// failure: no process, no flag, or a flag that cannot be read.
std::int16_t WaitForProcessor(std::int64_t processId);

}  // namespace qv
