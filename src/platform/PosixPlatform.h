// The platform over POSIX: drive letters come from the drive map "Drives.cfg"
// in the working folder (see DriveMap.h); without it C: is the host root and
// no other drive exists. Names are matched without regard to case when the
// exact spelling is missing, through a per-folder name cache. Programs are
// started without a window of their own, whatever the window state asked.
// Used from one thread, like the rest of the platform.
#pragma once

#include <sys/types.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/DriveMap.h"
#include "platform/Platform.h"
#include "platform/PosixPaths.h"

namespace qv::platform {

class PosixPlatform : public Platform {
public:
    /// Reads "Drives.cfg" from the working folder.
    PosixPlatform();
    /// Reads the drive map from a host path ("" or a missing file: C: is "/").
    explicit PosixPlatform(const std::string& driveMapHostPath);
    ~PosixPlatform() override;

    /// Reads the drive map file again; the name cache starts afresh.
    void reloadDriveMap();
    /// Lines of the drive map that were not understood at the last reading.
    const std::vector<std::string>& driveMapProblems() const { return mapProblems_; }
    const DriveMap& driveMap() const { return resolver_.driveMap(); }
    /// The name cache, for tests and measurements.
    NameCache& nameCache() { return resolver_.cache(); }

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
    void deferFolderFlushes() override;
    void flushDeferredFolders() override;
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
    Status moveEntry(const std::string& from, const std::string& to, bool folder);
    /// Host path of the program to run for the first word of a command line.
    /// The host path of the program a command line's first word names;
    /// NotFound when no such file exists, Denied for a file that is not a
    /// program the host can start.
    Result<std::string> findProgram(const std::string& word);

    struct Child;
    static bool Ended(Child& child);
    std::string mapFile_;
    std::vector<std::string> mapProblems_;
    PathResolver resolver_;
    std::map<pid_t, std::shared_ptr<Child>> children_;
};

}  // namespace qv::platform
