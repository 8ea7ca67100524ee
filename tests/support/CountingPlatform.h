// A platform wrapper that counts the calls made through it and the files
// read, and can refuse to read chosen files, for tests and benchmarks.
#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>

#include "platform/Platform.h"

namespace qv::test {

class CountingPlatform : public platform::Platform {
public:
    explicit CountingPlatform(platform::Platform& inner) : inner_(inner) {}

    /// Calls per operation name ("fileExists", "readFile", ...).
    std::map<std::string, int> calls;
    /// Times each file was read whole or opened for records, keyed by its
    /// full path in upper case (a bare name is taken in the working folder).
    std::map<std::string, int> reads;
    /// Paths whose readFile fails with "permission denied".
    std::set<std::string> unreadable;

    int totalCalls() const;
    void clear();

    bool fileExists(const std::string& path) override;
    bool entryExists(const std::string& path) override;
    bool folderExists(const std::string& path) override;
    std::string realName(const std::string& path) override;
    std::vector<std::string> listFiles(const std::string& folder, const std::string& patterns) override;
    std::vector<std::string> listFolders(const std::string& folder) override;
    std::vector<std::string> listEntries(const std::string& folder, const std::string& patterns) override;
    std::int64_t fileSize(const std::string& path) override;
    Status copyFile(const std::string& from, const std::string& to) override;
    Status renameFile(const std::string& from, const std::string& to) override;
    Status deleteFile(const std::string& path) override;
    Status makeFolder(const std::string& path) override;
    Status removeFolder(const std::string& path) override;
    Status renameFolder(const std::string& from, const std::string& to) override;
    Result<std::string> readFile(const std::string& path) override;
    Status writeFile(const std::string& path, const std::string& content) override;
    Result<std::unique_ptr<platform::RecordFile>> openRecordFile(const std::string& path,
                                                                 std::size_t recordLength,
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

private:
    void count(const char* operation) { ++calls[operation]; }
    std::string key(const std::string& path);
    platform::Platform& inner_;
};

}  // namespace qv::test
