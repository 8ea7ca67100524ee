// A small world for file-set tests: drives C: and D: in a temporary folder,
// the host platform over them, "M1" as the selected machine, and snapshots of
// every file on both drives.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/Platform.h"
#include "platform/PosixPlatform.h"
#include "support/TempDir.h"

namespace qv::test {

/// Path relative to the world's root ("C/MACH/M1/JOBS/A.prg") -> bytes.
using Snapshot = std::map<std::string, std::string>;

// Folders the tests use: a program directory of the selected machine, another
// one of it, one of a foreign machine, and two on the second drive.
inline const char* const kJobs = "C:\\MACH\\M1\\JOBS\\";
inline const char* const kParts = "C:\\MACH\\M1\\PARTS\\";
inline const char* const kForeign = "C:\\MACH\\M2\\JOBS\\";
inline const char* const kOtherDriveOwn = "D:\\M1\\OUT\\";
inline const char* const kOtherDriveForeign = "D:\\M2\\OUT\\";
inline const char* const kExchange = "D:\\EXCHANGE\\";

class FileSetWorld {
public:
    FileSetWorld();
    ~FileSetWorld();
    FileSetWorld(const FileSetWorld&) = delete;
    FileSetWorld& operator=(const FileSetWorld&) = delete;

    platform::PosixPlatform& host() { return *platform_; }
    /// Host path of a Windows path on C: or D:.
    std::string hostPath(const std::string& windowsPath) const;

    void put(const std::string& windowsPath, const std::string& bytes);
    /// Files in folder, each holding Bytes(prefix, name).
    void putFiles(const std::string& folder, const std::vector<std::string>& names, const std::string& prefix);
    bool exists(const std::string& windowsPath) const;
    std::string read(const std::string& windowsPath) const;
    /// Names in a folder, sorted.
    std::vector<std::string> names(const std::string& folder) const;

    Snapshot snapshot() const;

private:
    TempDir root_;
    std::unique_ptr<platform::PosixPlatform> platform_;
    std::unique_ptr<platform::ScopedPlatform> scope_;
    std::string savedMachineFolder_;
};

/// Distinct content for a test file, with bytes a text copy would spoil.
std::string Bytes(const std::string& prefix, const std::string& name);

/// Relative snapshot key of a Windows path ("C:\A\b.prg" -> "C/A/b.prg").
std::string SnapshotKey(const std::string& windowsPath);

/// Files of a snapshot left under a temporary name of the set operations or
/// of the platform's own atomic writes.
std::vector<std::string> StagingLeftovers(const Snapshot& snapshot);

}  // namespace qv::test
