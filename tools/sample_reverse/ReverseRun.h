// One run of the sample processor in the system folder: read "Reverse.pth"
// and the program, write the results and "Finished.flg".
#pragma once

#include <string>
#include <vector>

#include "core/workstation/DrawingRecord.h"
#include "platform/Result.h"

namespace qv::revsample {

/// Writes the records to path through a temporary name beside it, then
/// renames it over path; on failure the old drawing stays and no temporary
/// file is left.
Status WriteDrawing(const std::string& path, const std::vector<DrawingRecord>& records);

/// Reads the program named in "Reverse.pth" (working folder), writes
/// "Reverse.sht", "Reverse.trt" and the drawing, and last "Finished.flg" 0.
/// On failure it writes "Finished.flg" 1, no drawing, and returns the reason.
Status RunReverse();

}  // namespace qv::revsample
