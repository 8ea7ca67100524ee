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

    bool fileExists(const std::string& path) override;
    bool entryExists(const std::string& path) override;
    bool folderExists(const std::string& path) override;
    std::string realName(const std::string& path) override;
    std::vector<std::string> listFiles(const std::string& folder, const std::string& patterns) override;
    std::vector<std::string> listFolders(const std::string& folder) override;
    std::vector<std::string> listEntries(const std::string& folder, const std::string& patterns) override;
    std::int64_t fileSize(const std::string& path) override;

    Status copyFile(const std::string& from, const std::string& to) override;
    Status syncFile(const std::string& path) override;
    Status renameFile(const std::string& from, const std::string& to) override;
    Status deleteFile(const std::string& path) override;
    Status makeFolder(const std::string& path) override;
    Status removeFolder(const std::string& path) override;
    Status renameFolder(const std::string& from, const std::string& to) override;

    Result<std::string> readFile(const std::string& path) override;
    Status writeFile(const std::string& path, const std::string& content) override;
    Result<std::unique_ptr<platform::RecordFile>> openRecordFile(const std::string& path, std::size_t recordLength,
                                                                 bool create) override;

    std::vector<char> drives() override;
    platform::DriveType driveType(char letter) override;
    bool driveReady(char letter) override;
    std::string currentFolder() override;
    Status setCurrentFolder(const std::string& path) override;

    std::int64_t startProgram(const std::string& commandLine, platform::WindowState state) override;
    platform::ProcessHandle openProcess(std::int64_t processId) override;
    void waitForProcess(platform::ProcessHandle handle) override;
    void closeProcess(platform::ProcessHandle handle) override;

    void beep() override;
    std::string hostPath(const std::string& path) override;

protected:
    /// Called with the method's name ("fileExists", "syncFile", ...) each
    /// time one of the methods above passes a call on.
    virtual void onCall(const char* name) { (void)name; }

private:
    platform::Platform& inner_;
};

}  // namespace qv::test
