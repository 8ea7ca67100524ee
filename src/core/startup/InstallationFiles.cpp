// Required-file reading and quiet folder creation for start-up and set-up.
#include "core/startup/InstallationFiles.h"

#include "platform/Platform.h"

namespace qv {
namespace {

// Only a failed read asks whether the file is there, so a good start-up
// costs one call per file.
Status Failure(const std::string& what, const std::string& path, const Status& cause) {
    if (!platform::Current().fileExists(path)) return RequiredFileError(what, path);
    return RequiredFileError(what, path, cause.message());
}

}  // namespace

Status RequiredFileError(const std::string& what, const std::string& path,
                         const std::string& reason) {
    std::string text = "The " + what + " \"" + path + "\" ";
    if (reason.empty())
        text += "is missing.";
    else
        text += "cannot be read (" + reason + ").";
    return Status::Error(text);
}

Result<std::vector<std::string>> ReadRequiredLines(const std::string& what,
                                                   const std::string& path) {
    auto lines = ReadLines(path);
    if (!lines) return Failure(what, path, lines.status());
    return lines;
}

Result<FieldReader> OpenRequiredFields(const std::string& what, const std::string& path) {
    auto reader = OpenFieldReader(path);
    if (!reader) return Failure(what, path, reader.status());
    return reader;
}

void MakeFolderIfMissing(const std::string& path) {
    auto& host = platform::Current();
    if (host.entryExists(path)) return;
    (void)host.makeFolder(path);
}

}  // namespace qv
