// Forwards every platform call to the wrapped platform, counting it.
#include "support/CountingPlatform.h"

#include "core/common/Text.h"

namespace qv::test {

std::string CountingPlatform::key(const std::string& path) {
    const bool bare = path.find(':') == std::string::npos && (path.empty() || path[0] != '\\');
    return Upper(bare ? inner_.currentFolder() + path : path);
}

int CountingPlatform::totalCalls() const {
    int total = 0;
    for (const auto& [name, n] : calls) total += n;
    return total;
}

void CountingPlatform::clear() {
    calls.clear();
    reads.clear();
}

bool CountingPlatform::fileExists(const std::string& path) {
    count("fileExists");
    return inner_.fileExists(path);
}
bool CountingPlatform::entryExists(const std::string& path) {
    count("entryExists");
    return inner_.entryExists(path);
}
bool CountingPlatform::folderExists(const std::string& path) {
    count("folderExists");
    return inner_.folderExists(path);
}
std::string CountingPlatform::realName(const std::string& path) {
    count("realName");
    return inner_.realName(path);
}
std::vector<std::string> CountingPlatform::listFiles(const std::string& folder,
                                                     const std::string& patterns) {
    count("listFiles");
    return inner_.listFiles(folder, patterns);
}
std::vector<std::string> CountingPlatform::listFolders(const std::string& folder) {
    count("listFolders");
    return inner_.listFolders(folder);
}
std::vector<std::string> CountingPlatform::listEntries(const std::string& folder,
                                                       const std::string& patterns) {
    count("listEntries");
    return inner_.listEntries(folder, patterns);
}
std::int64_t CountingPlatform::fileSize(const std::string& path) {
    count("fileSize");
    return inner_.fileSize(path);
}
Status CountingPlatform::copyFile(const std::string& from, const std::string& to) {
    count("copyFile");
    return inner_.copyFile(from, to);
}
Status CountingPlatform::renameFile(const std::string& from, const std::string& to) {
    count("renameFile");
    return inner_.renameFile(from, to);
}
Status CountingPlatform::deleteFile(const std::string& path) {
    count("deleteFile");
    return inner_.deleteFile(path);
}
Status CountingPlatform::makeFolder(const std::string& path) {
    count("makeFolder");
    return inner_.makeFolder(path);
}
Status CountingPlatform::removeFolder(const std::string& path) {
    count("removeFolder");
    return inner_.removeFolder(path);
}
Status CountingPlatform::renameFolder(const std::string& from, const std::string& to) {
    count("renameFolder");
    return inner_.renameFolder(from, to);
}
Result<std::string> CountingPlatform::readFile(const std::string& path) {
    count("readFile");
    ++reads[key(path)];
    if (unreadable.count(path)) return Status::Error(path + ": permission denied");
    return inner_.readFile(path);
}
Status CountingPlatform::writeFile(const std::string& path, const std::string& content) {
    count("writeFile");
    return inner_.writeFile(path, content);
}
Result<std::unique_ptr<platform::RecordFile>> CountingPlatform::openRecordFile(
    const std::string& path, std::size_t recordLength, bool create) {
    count("openRecordFile");
    ++reads[key(path)];
    return inner_.openRecordFile(path, recordLength, create);
}
std::vector<char> CountingPlatform::drives() {
    count("drives");
    return inner_.drives();
}
platform::DriveType CountingPlatform::driveType(char letter) {
    count("driveType");
    return inner_.driveType(letter);
}
bool CountingPlatform::driveReady(char letter) {
    count("driveReady");
    return inner_.driveReady(letter);
}
std::string CountingPlatform::currentFolder() {
    count("currentFolder");
    return inner_.currentFolder();
}
Status CountingPlatform::setCurrentFolder(const std::string& path) {
    count("setCurrentFolder");
    return inner_.setCurrentFolder(path);
}
std::int64_t CountingPlatform::startProgram(const std::string& commandLine,
                                            platform::WindowState state) {
    count("startProgram");
    return inner_.startProgram(commandLine, state);
}
platform::ProcessHandle CountingPlatform::openProcess(std::int64_t processId) {
    count("openProcess");
    return inner_.openProcess(processId);
}
void CountingPlatform::waitForProcess(platform::ProcessHandle handle) {
    count("waitForProcess");
    inner_.waitForProcess(handle);
}
void CountingPlatform::closeProcess(platform::ProcessHandle handle) {
    count("closeProcess");
    inner_.closeProcess(handle);
}
void CountingPlatform::beep() {
    count("beep");
    inner_.beep();
}
std::string CountingPlatform::hostPath(const std::string& path) {
    count("hostPath");
    return inner_.hostPath(path);
}

}  // namespace qv::test
