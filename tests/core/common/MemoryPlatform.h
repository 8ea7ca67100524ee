// An in-memory platform holding whole files by path, for tests of the text
// file helpers without touching the disc; it can fail reads and writes.
#pragma once

#include <map>
#include <string>

#include "platform/Platform.h"

namespace qv::test {

class MemoryPlatform : public platform::Platform {
public:
    std::map<std::string, std::string> files;
    bool failWrites = false;
    int writes = 0;

    bool fileExists(const std::string& path) override { return files.count(path) != 0; }
    bool entryExists(const std::string& path) override { return fileExists(path); }
    bool folderExists(const std::string&) override { return false; }
    std::string realName(const std::string&) override { return ""; }
    std::vector<std::string> listFiles(const std::string&, const std::string&) override { return {}; }
    std::vector<std::string> listFolders(const std::string&) override { return {}; }
    std::vector<std::string> listEntries(const std::string&, const std::string&) override { return {}; }
    std::int64_t fileSize(const std::string& path) override {
        auto it = files.find(path);
        return it == files.end() ? -1 : static_cast<std::int64_t>(it->second.size());
    }
    Status copyFile(const std::string&, const std::string&) override { return Status::Error("no"); }
    // Memory keeps what it holds; only a missing file cannot be synced.
    Status syncFile(const std::string& path) override {
        return fileExists(path) ? Status::Ok() : Status::Error(path + ": no such file");
    }
    Status renameFile(const std::string&, const std::string&) override { return Status::Error("no"); }
    Status deleteFile(const std::string&) override { return Status::Error("no"); }
    Status makeFolder(const std::string&) override { return Status::Error("no"); }
    Status removeFolder(const std::string&) override { return Status::Error("no"); }
    Status renameFolder(const std::string&, const std::string&) override { return Status::Error("no"); }
    Result<std::string> readFile(const std::string& path) override {
        auto it = files.find(path);
        if (it == files.end()) return Status::Error(path + ": no such file");
        return it->second;
    }
    Status writeFile(const std::string& path, const std::string& content) override {
        ++writes;
        if (failWrites) return Status::Error(path + ": disc full");
        files[path] = content;
        return Status::Ok();
    }
    Result<std::unique_ptr<platform::RecordFile>> openRecordFile(const std::string& path, std::size_t,
                                                                 bool) override {
        return Status::Error(path + ": not supported");
    }
    std::vector<char> drives() override { return {'C'}; }
    platform::DriveType driveType(char) override { return platform::DriveType::Fixed; }
    bool driveReady(char) override { return true; }
    std::string currentFolder() override { return "C:\\"; }
    Status setCurrentFolder(const std::string&) override { return Status::Ok(); }
    std::int64_t startProgram(const std::string&, platform::WindowState) override { return 0; }
    platform::ProcessHandle openProcess(std::int64_t) override { return 0; }
    void waitForProcess(platform::ProcessHandle) override {}
    void closeProcess(platform::ProcessHandle) override {}
    void beep() override {}
    std::string hostPath(const std::string&) override { return ""; }
};

}  // namespace qv::test
