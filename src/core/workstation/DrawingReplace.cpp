// Replacing a drawing by its rewritten copy.
#include "core/workstation/DrawingReplace.h"

#include "platform/Platform.h"

namespace qv {

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.find_last_of("\\/:");
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

Status ReplaceDrawing(const std::string& scratch, const std::string& drawing) {
    platform::Platform& os = platform::Current();
    const std::int64_t size = os.fileSize(scratch);
    if (size < 0) return Status::Error(scratch + ": no such file");
    if (os.renameFile(scratch, drawing)) return Status::Ok();

    // A rename cannot cross drives: bring the copy onto the drawing's drive
    // first, so the drawing itself is only ever replaced by a rename.
    const std::string temp = FolderOf(drawing) + "Rvrsmain.tmp";
    Status status = os.copyFile(scratch, temp);
    if (status && os.fileSize(temp) != size)
        status = Status::Error(temp + ": the copy is incomplete (" + std::to_string(os.fileSize(temp)) + " of " +
                               std::to_string(size) + " bytes)");
    // The scratch drawing is deleted next: the copy must be on the disc first.
    if (status) status = os.syncFile(temp);
    if (status) status = os.renameFile(temp, drawing);
    if (!status) {
        if (os.fileExists(temp)) (void)os.deleteFile(temp);
        return status;
    }
    (void)os.deleteFile(scratch);
    return Status::Ok();
}

}  // namespace qv
