// A platform that passes every call to another one but fails whole-file
// reads of paths containing a given text: an unreadable file on demand.
#pragma once

#include <string>

#include "platform/Platform.h"

namespace qv::test {

class FailingReads : public platform::Platform {
public:
    FailingReads(platform::Platform& inner, std::string failing)
        : inner_(inner), failing_(std::move(failing)), scope_(*this) {}

    Result<std::string> readFile(const std::string& path) override {
        if (path.find(failing_) != std::string::npos) return Status::Error(path + ": input/output error");
        return inner_.readFile(path);
    }

    bool fileExists(const std::string& p) override { return inner_.fileExists(p); }
    bool entryExists(const std::string& p) override { return inner_.entryExists(p); }
    bool folderExists(const std::string& p) override { return inner_.folderExists(p); }
    std::string realName(const std::string& p) override { return inner_.realName(p); }
    std::vector<std::string> listFiles(const std::string& f, const std::string& p) override {
        return inner_.listFiles(f, p);
    }
    std::vector<std::string> listFolders(const std::string& f) override { return inner_.listFolders(f); }
    std::vector<std::string> listEntries(const std::string& f, const std::string& p) override {
        return inner_.listEntries(f, p);
    }
    std::int64_t fileSize(const std::string& p) override { return inner_.fileSize(p); }
    Status copyFile(const std::string& a, const std::string& b) override { return inner_.copyFile(a, b); }
    Status renameFile(const std::string& a, const std::string& b) override { return inner_.renameFile(a, b); }
    Status deleteFile(const std::string& p) override { return inner_.deleteFile(p); }
    Status makeFolder(const std::string& p) override { return inner_.makeFolder(p); }
    Status removeFolder(const std::string& p) override { return inner_.removeFolder(p); }
    Status renameFolder(const std::string& a, const std::string& b) override {
        return inner_.renameFolder(a, b);
    }
    Status writeFile(const std::string& p, const std::string& c) override { return inner_.writeFile(p, c); }
    Result<std::unique_ptr<platform::RecordFile>> openRecordFile(const std::string& p, std::size_t n,
                                                                 bool create) override {
        return inner_.openRecordFile(p, n, create);
    }
    std::vector<char> drives() override { return inner_.drives(); }
    platform::DriveType driveType(char l) override { return inner_.driveType(l); }
    bool driveReady(char l) override { return inner_.driveReady(l); }
    std::string currentFolder() override { return inner_.currentFolder(); }
    Status setCurrentFolder(const std::string& p) override { return inner_.setCurrentFolder(p); }
    std::int64_t startProgram(const std::string& c, platform::WindowState s) override {
        return inner_.startProgram(c, s);
    }
    platform::ProcessHandle openProcess(std::int64_t id) override { return inner_.openProcess(id); }
    void waitForProcess(platform::ProcessHandle h) override { inner_.waitForProcess(h); }
    void closeProcess(platform::ProcessHandle h) override { inner_.closeProcess(h); }
    void beep() override { inner_.beep(); }
    std::string hostPath(const std::string& p) override { return inner_.hostPath(p); }

private:
    platform::Platform& inner_;
    std::string failing_;
    platform::ScopedPlatform scope_;
};

}  // namespace qv::test
