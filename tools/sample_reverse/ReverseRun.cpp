// One run of the sample processor: exchange files in, results out.
#include "ReverseRun.h"

#include "PunchProgram.h"
#include "ReverseResult.h"
#include "core/workstation/ExchangeFiles.h"
#include "platform/Platform.h"

namespace qv::revsample {
namespace {
const char* const kPathFile = "Reverse.pth";
const char* const kFlagFile = "Finished.flg";
const char* const kSheetFile = "Reverse.sht";
const char* const kToolsFile = "Reverse.trt";

Status WriteResults() {
    Result<ReversePath> request = ReadReversePath(kPathFile);
    if (!request) return request.status();
    const std::string programFile = request->ProgramPath + ".prg";
    Result<std::string> text = platform::Current().readFile(programFile);
    if (!text) return text.status();
    Result<PunchProgram> program = ParsePunchProgram(*text);
    if (!program) return Status::Error(programFile + ": " + program.message());

    if (Status s = WriteReverseSheet(kSheetFile, SheetOf(*program)); !s) return s;
    if (Status s = WriteReverseTools(kToolsFile, ToolsOf(*program)); !s) return s;
    return WriteDrawing(request->ProgramPath + ".drw", DrawingOf(*program, request->ProgramName));
}
}  // namespace

Status WriteDrawing(const std::string& path, const std::vector<DrawingRecord>& records) {
    platform::Platform& host = platform::Current();
    // Four letters after the dot: no file set of the suite counts it as a
    // member, so a leftover is never copied along with the program.
    const std::string temp = path + "~";
    if (host.fileExists(temp)) {
        if (Status s = host.deleteFile(temp); !s) return s;
    }
    Status written = [&]() -> Status {
        auto file = host.openRecordFile(temp, DrawingRecordSize, true);
        if (!file) return file.status();
        for (std::size_t i = 0; i < records.size(); ++i) {
            if (Status s = (*file)->write(static_cast<std::int64_t>(i) + 1, EncodeDrawingRecord(records[i])); !s) {
                return s;
            }
        }
        return (*file)->sync();
    }();
    if (written) written = host.renameFile(temp, path);
    if (!written) {
        if (host.fileExists(temp)) (void)host.deleteFile(temp);
        return written;
    }
    return Status::Ok();
}

Status RunReverse() {
    Status result = WriteResults();
    // The status goes last, so a success flag always follows complete results.
    Status flag = WriteFinishedFlag(kFlagFile, result ? 0 : 1);
    if (!result) return result;
    return flag;
}

}  // namespace qv::revsample
