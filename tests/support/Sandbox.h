// The base of every test on real files: a temporary folder whose sub-folders
// are drives C:, D:... through a drive map, the POSIX platform installed over
// it, module state fresh, and direct host access by Windows path around the
// platform under test.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/PosixPlatform.h"
#include "support/TempDir.h"

namespace qv::test {

struct Drive {
    char letter;
    const char* type = "fixed";  // as the drive map writes it: fixed, removable, cdrom...
    bool present = true;         // false: the map names a folder that does not exist
};

/// Every file below the sandbox: "C/A/b.prg" -> bytes.
using Snapshot = std::map<std::string, std::string>;

class Sandbox {
public:
    explicit Sandbox(std::vector<Drive> drives = {{'C'}});
    virtual ~Sandbox();
    Sandbox(const Sandbox&) = delete;
    Sandbox& operator=(const Sandbox&) = delete;

    /// Makes a folder the working folder; the old one comes back at the end.
    void enter(const std::string& windowsFolder);

    std::string host(const std::string& windowsPath) const;
    void write(const std::string& windowsPath, const std::string& bytes) const;
    /// Lines each ended by CR LF.
    void writeLines(const std::string& windowsPath, const std::vector<std::string>& lines) const;
    std::string read(const std::string& windowsPath) const;
    bool exists(const std::string& windowsPath) const;
    bool isFolder(const std::string& windowsPath) const;
    void makeFolder(const std::string& windowsPath) const;
    void remove(const std::string& windowsPath) const;
    /// Names in a folder, sorted.
    std::vector<std::string> names(const std::string& windowsFolder) const;
    Snapshot snapshot() const;

    platform::PosixPlatform& platform() { return *platform_; }
    const std::string& root() const { return temp_.path(); }
    /// Why a sandbox laid out by another program could not be made; "" when it was.
    const std::string& error() const { return error_; }
    bool ok() const { return error_.empty(); }

protected:
    /// For a layout another program writes: fill(root) lays out root/<letter>
    /// and returns the host path of its drive map, or "" with error set.
    explicit Sandbox(const std::function<std::string(const std::string& root, std::string& error)>& fill);
    /// For a layout written here that could not be completed.
    void setError(std::string why) { error_ = std::move(why); }

private:
    void mount(const std::string& driveMap);

    TempDir temp_;
    std::string previousWorkingFolder_;
    std::string error_;
    std::unique_ptr<platform::PosixPlatform> platform_;
    std::unique_ptr<platform::ScopedPlatform> scope_;
};

/// Lines joined with CR LF after each.
std::string CrLf(const std::vector<std::string>& lines);

/// Clears every module-wide value, as at a fresh program start.
void ResetModuleState();

/// A sandbox holding the module state of a small test machine "M1": system
/// folder C:\QV\, data C:\QV\DATA\, program directories under C:\JOBS\M1\.
class MachineSandbox : public Sandbox {
public:
    explicit MachineSandbox(std::vector<Drive> drives = {{'C'}});
};

}  // namespace qv::test
