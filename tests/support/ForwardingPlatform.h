// A platform that passes every call to another one: test platforms derive
// from it and override only the calls they change.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/Platform.h"

namespace qv::test {

class ForwardingPlatform : public platform::Platform {
public:
    explicit ForwardingPlatform(platform::Platform& inner) : inner_(inner) {}

    /// The wrapped platform; calls made on it directly skip this one.
    platform::Platform& inner() { return inner_; }

    bool fileExists(const std::string& path) override { return pass("fileExists").fileExists(path); }
    bool entryExists(const std::string& path) override { return pass("entryExists").entryExists(path); }
    bool folderExists(const std::string& path) override { return pass("folderExists").folderExists(path); }
    std::string realName(const std::string& path) override { return pass("realName").realName(path); }
    Result<std::vector<std::string>> listFiles(const std::string& folder, const std::string& patterns) override {
        return pass("listFiles").listFiles(folder, patterns);
    }
    Result<std::vector<std::string>> listFolders(const std::string& folder) override {
        return pass("listFolders").listFolders(folder);
    }
    Result<std::vector<std::string>> listEntries(const std::string& folder, const std::string& patterns) override {
        return pass("listEntries").listEntries(folder, patterns);
    }
    std::int64_t fileSize(const std::string& path) override { return pass("fileSize").fileSize(path); }

    Status copyFile(const std::string& from, const std::string& to) override {
        return pass("copyFile").copyFile(from, to);
    }
    Status syncFile(const std::string& path) override { return pass("syncFile").syncFile(path); }
    Status renameFile(const std::string& from, const std::string& to) override {
        return pass("renameFile").renameFile(from, to);
    }
    Status deleteFile(const std::string& path) override { return pass("deleteFile").deleteFile(path); }
    Status makeFolder(const std::string& path) override { return pass("makeFolder").makeFolder(path); }
    Status removeFolder(const std::string& path) override { return pass("removeFolder").removeFolder(path); }
    Status renameFolder(const std::string& from, const std::string& to) override {
        return pass("renameFolder").renameFolder(from, to);
    }

    Status removeStaleTemporaries(const std::string& folder) override {
        return pass("removeStaleTemporaries").removeStaleTemporaries(folder);
    }
    Result<bool> sameEntry(const std::string& a, const std::string& b) override {
        return pass("sameEntry").sameEntry(a, b);
    }
    Result<std::unique_ptr<platform::FolderLock>> lockFolder(const std::string& path) override {
        return pass("lockFolder").lockFolder(path);
    }

    Result<std::string> readFile(const std::string& path) override { return pass("readFile").readFile(path); }
    Status writeFile(const std::string& path, const std::string& content) override {
        return pass("writeFile").writeFile(path, content);
    }
    Result<std::unique_ptr<platform::RecordFile>> openRecordFile(const std::string& path, std::size_t recordLength,
                                                                 bool create) override {
        return pass("openRecordFile").openRecordFile(path, recordLength, create);
    }

    std::vector<char> drives() override { return pass("drives").drives(); }
    platform::DriveType driveType(char letter) override { return pass("driveType").driveType(letter); }
    bool driveReady(char letter) override { return pass("driveReady").driveReady(letter); }
    std::string currentFolder() override { return pass("currentFolder").currentFolder(); }
    Status setCurrentFolder(const std::string& path) override {
        return pass("setCurrentFolder").setCurrentFolder(path);
    }

    Result<std::int64_t> startProgram(const std::string& commandLine, platform::WindowState state,
                                      const std::string& outputFile) override {
        return pass("startProgram").startProgram(commandLine, state, outputFile);
    }
    platform::ProcessHandle openProcess(std::int64_t processId) override {
        return pass("openProcess").openProcess(processId);
    }
    void waitForProcess(platform::ProcessHandle handle) override { pass("waitForProcess").waitForProcess(handle); }
    void closeProcess(platform::ProcessHandle handle) override { pass("closeProcess").closeProcess(handle); }

    void beep() override { pass("beep").beep(); }
    std::string hostPath(const std::string& path) override { return pass("hostPath").hostPath(path); }

protected:
    /// Called with the method's name ("fileExists", "syncFile", ...) each
    /// time one of the methods above passes a call on.
    virtual void onCall(const char* name) { (void)name; }

private:
    platform::Platform& pass(const char* name) {
        onCall(name);
        return inner_;
    }

    platform::Platform& inner_;
};

}  // namespace qv::test
