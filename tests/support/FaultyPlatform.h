// A platform for tests that fail whole platform calls: passes every call to
// another platform and fails the Nth call of the chosen kinds, once or from
// then on, with a chosen reason. Faults inside a call, at the system calls,
// are SysFaults' work.
#pragma once

#include <string>

#include "support/ForwardingPlatform.h"

namespace qv::test {

/// The kinds of call that can be made to fail; combine them with "|".
enum Call : unsigned {
    kWrite = 1u << 0,           // writeFile
    kCopy = 1u << 1,            // copyFile
    kRename = 1u << 2,          // renameFile
    kDelete = 1u << 3,          // deleteFile
    kMakeFolder = 1u << 4,      // makeFolder
    kRemoveFolder = 1u << 5,    // removeFolder
    kRenameFolder = 1u << 6,    // renameFolder
    kSync = 1u << 7,            // syncFile
};

/// Every whole-file or folder call that changes the disc or flushes it there.
constexpr unsigned kMutatingCalls =
    kWrite | kCopy | kRename | kDelete | kMakeFolder | kRemoveFolder | kRenameFolder | kSync;

struct Fault {
    unsigned kinds = kMutatingCalls;
    /// The first call to fail, counted from 1 among calls of the kinds.
    int nth = 1;
    /// Every later call of the kinds fails too (a full disc, a drive gone);
    /// otherwise only the one call fails.
    bool persistent = false;
    /// The reason in the failure message "<path>: <reason>".
    std::string reason = "input/output error";
    ErrorKind kind = ErrorKind::Other;
};

class FaultyPlatform : public ForwardingPlatform {
public:
    explicit FaultyPlatform(platform::Platform& inner) : ForwardingPlatform(inner) {}

    /// Starts counting afresh for this fault.
    void arm(const Fault& fault);
    /// No call fails from now on.
    void disarm() { armed_ = false; }

    Status copyFile(const std::string& from, const std::string& to) override {
        return failOr(kCopy, to, &Platform::copyFile, from, to);
    }
    Status syncFile(const std::string& path) override { return failOr(kSync, path, &Platform::syncFile, path); }
    Status renameFile(const std::string& from, const std::string& to) override {
        return failOr(kRename, from, &Platform::renameFile, from, to);
    }
    Status deleteFile(const std::string& path) override { return failOr(kDelete, path, &Platform::deleteFile, path); }
    Status makeFolder(const std::string& path) override {
        return failOr(kMakeFolder, path, &Platform::makeFolder, path);
    }
    Status removeFolder(const std::string& path) override {
        return failOr(kRemoveFolder, path, &Platform::removeFolder, path);
    }
    Status renameFolder(const std::string& from, const std::string& to) override {
        return failOr(kRenameFolder, from, &Platform::renameFolder, from, to);
    }
    Status writeFile(const std::string& path, const std::string& content) override {
        return failOr(kWrite, path, &Platform::writeFile, path, content);
    }

private:
    /// Counts a call of kind and tells whether it is to fail.
    Status check(Call kind, const std::string& path);

    /// The fault when this call is to fail, else the inner platform's answer.
    template <typename... Params, typename... Args>
    Status failOr(Call kind, const std::string& path, Status (Platform::*call)(Params...), const Args&... args) {
        Status fault = check(kind, path);
        return fault.ok() ? (inner().*call)(args...) : fault;
    }

    Fault fault_;
    bool armed_ = false;
    int counted_ = 0;
};

}  // namespace qv::test
