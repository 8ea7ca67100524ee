// The platform over Win32: Windows paths are the host's own, so this layer
// only turns results into the same values and messages as elsewhere.
#pragma once
#ifdef _WIN32

// Both Win32 sources take the system headers from here, trimmed the same way.
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <map>
#include <string>

#include "platform/Platform.h"

namespace qv::platform {

class Win32Platform : public Platform {
public:
    ~Win32Platform() override;

    bool fileExists(const std::string& path) override;
    bool entryExists(const std::string& path) override;
    bool folderExists(const std::string& path) override;
    std::string realName(const std::string& path) override;
    Result<std::vector<std::string>> listFiles(const std::string& folder, const std::string& patterns) override;
    Result<std::vector<std::string>> listFolders(const std::string& folder) override;
    Result<std::vector<std::string>> listEntries(const std::string& folder, const std::string& patterns) override;
    std::int64_t fileSize(const std::string& path) override;

    Status copyFile(const std::string& from, const std::string& to) override;
    Status syncFile(const std::string& path) override;
    Status renameFile(const std::string& from, const std::string& to) override;
    Status deleteFile(const std::string& path) override;
    Status makeFolder(const std::string& path) override;
    Status removeFolder(const std::string& path) override;
    Status renameFolder(const std::string& from, const std::string& to) override;

    Status removeStaleTemporaries(const std::string& folder) override;
    Result<bool> sameEntry(const std::string& a, const std::string& b) override;
    Result<std::unique_ptr<FolderLock>> lockFolder(const std::string& path) override;

    Result<std::string> readFile(const std::string& path) override;
    Status writeFile(const std::string& path, const std::string& content) override;

    Result<std::unique_ptr<RecordFile>> openRecordFile(const std::string& path, std::size_t recordLength,
                                                       bool create) override;

    std::vector<char> drives() override;
    DriveType driveType(char letter) override;
    bool driveReady(char letter) override;
    std::string currentFolder() override;
    Status setCurrentFolder(const std::string& path) override;

    Result<std::int64_t> startProgram(const std::string& commandLine, WindowState state,
                                      const std::string& outputFile) override;
    ProcessHandle openProcess(std::int64_t processId) override;
    void waitForProcess(ProcessHandle handle) override;
    void closeProcess(ProcessHandle handle) override;

    void beep() override;
    std::string hostPath(const std::string& path) override;

private:
    enum Kinds { kFiles = 1, kFolders = 2 };
    Result<std::vector<std::string>> list(const std::string& folder, const std::string& patterns, int kinds);
    /// Process handles of the children started, kept until opened and
    /// closed or seen to have ended, so a quick child can still be opened.
    std::map<std::int64_t, void*> children_;
    /// The process each handle of openProcess was opened on.
    std::map<ProcessHandle, std::int64_t> opened_;
};

/// Attributes of a path, or INVALID_FILE_ATTRIBUTES (as a plain number).
unsigned long Win32Attributes(const std::string& path);
/// "<path>: <reason of a Win32 error code>".
Status Win32Status(const std::string& path, unsigned long error);
/// The kind of failure a Win32 error code stands for.
ErrorKind Win32ErrorKind(unsigned long error);
/// A short reason for a Win32 error code.
std::string Win32ErrorText(unsigned long error);
/// The folder holding path ("" for the working folder, "C:\\" for a root file).
std::string Win32ParentOf(const std::string& path);
/// path without final separators, except a drive root keeps its own.
std::string Win32StripSeparators(const std::string& path);

}  // namespace qv::platform

#endif  // _WIN32
