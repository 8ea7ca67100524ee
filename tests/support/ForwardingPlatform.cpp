// Passes every platform call to the wrapped platform.
#include "support/ForwardingPlatform.h"

namespace qv::test {

bool ForwardingPlatform::fileExists(const std::string& path) {
    onCall("fileExists");
    return inner_.fileExists(path);
}
bool ForwardingPlatform::entryExists(const std::string& path) {
    onCall("entryExists");
    return inner_.entryExists(path);
}
bool ForwardingPlatform::folderExists(const std::string& path) {
    onCall("folderExists");
    return inner_.folderExists(path);
}
std::string ForwardingPlatform::realName(const std::string& path) {
    onCall("realName");
    return inner_.realName(path);
}
std::vector<std::string> ForwardingPlatform::listFiles(const std::string& folder, const std::string& patterns) {
    onCall("listFiles");
    return inner_.listFiles(folder, patterns);
}
std::vector<std::string> ForwardingPlatform::listFolders(const std::string& folder) {
    onCall("listFolders");
    return inner_.listFolders(folder);
}
std::vector<std::string> ForwardingPlatform::listEntries(const std::string& folder, const std::string& patterns) {
    onCall("listEntries");
    return inner_.listEntries(folder, patterns);
}
std::int64_t ForwardingPlatform::fileSize(const std::string& path) {
    onCall("fileSize");
    return inner_.fileSize(path);
}
Status ForwardingPlatform::copyFile(const std::string& from, const std::string& to) {
    onCall("copyFile");
    return inner_.copyFile(from, to);
}
Status ForwardingPlatform::syncFile(const std::string& path) {
    onCall("syncFile");
    return inner_.syncFile(path);
}
Status ForwardingPlatform::renameFile(const std::string& from, const std::string& to) {
    onCall("renameFile");
    return inner_.renameFile(from, to);
}
Status ForwardingPlatform::deleteFile(const std::string& path) {
    onCall("deleteFile");
    return inner_.deleteFile(path);
}
Status ForwardingPlatform::makeFolder(const std::string& path) {
    onCall("makeFolder");
    return inner_.makeFolder(path);
}
Status ForwardingPlatform::removeFolder(const std::string& path) {
    onCall("removeFolder");
    return inner_.removeFolder(path);
}
Status ForwardingPlatform::renameFolder(const std::string& from, const std::string& to) {
    onCall("renameFolder");
    return inner_.renameFolder(from, to);
}
Result<std::string> ForwardingPlatform::readFile(const std::string& path) {
    onCall("readFile");
    return inner_.readFile(path);
}
Status ForwardingPlatform::writeFile(const std::string& path, const std::string& content) {
    onCall("writeFile");
    return inner_.writeFile(path, content);
}
Result<std::unique_ptr<platform::RecordFile>> ForwardingPlatform::openRecordFile(
    const std::string& path, std::size_t recordLength, bool create) {
    onCall("openRecordFile");
    return inner_.openRecordFile(path, recordLength, create);
}
std::vector<char> ForwardingPlatform::drives() {
    onCall("drives");
    return inner_.drives();
}
platform::DriveType ForwardingPlatform::driveType(char letter) {
    onCall("driveType");
    return inner_.driveType(letter);
}
bool ForwardingPlatform::driveReady(char letter) {
    onCall("driveReady");
    return inner_.driveReady(letter);
}
std::string ForwardingPlatform::currentFolder() {
    onCall("currentFolder");
    return inner_.currentFolder();
}
Status ForwardingPlatform::setCurrentFolder(const std::string& path) {
    onCall("setCurrentFolder");
    return inner_.setCurrentFolder(path);
}
std::int64_t ForwardingPlatform::startProgram(const std::string& commandLine, platform::WindowState state) {
    onCall("startProgram");
    return inner_.startProgram(commandLine, state);
}
platform::ProcessHandle ForwardingPlatform::openProcess(std::int64_t processId) {
    onCall("openProcess");
    return inner_.openProcess(processId);
}
void ForwardingPlatform::waitForProcess(platform::ProcessHandle handle) {
    onCall("waitForProcess");
    inner_.waitForProcess(handle);
}
void ForwardingPlatform::closeProcess(platform::ProcessHandle handle) {
    onCall("closeProcess");
    inner_.closeProcess(handle);
}
void ForwardingPlatform::beep() {
    onCall("beep");
    inner_.beep();
}
std::string ForwardingPlatform::hostPath(const std::string& path) {
    onCall("hostPath");
    return inner_.hostPath(path);
}

}  // namespace qv::test
