// A small world for file-set tests: drives C: and D: in a sandbox and "M1"
// as the selected machine.
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "support/Sandbox.h"

namespace qv::test {

// Folders the tests use: a program directory of the selected machine, another
// one of it, one of a foreign machine, and two on the second drive.
inline const char* const kJobs = "C:\\MACH\\M1\\JOBS\\";
inline const char* const kParts = "C:\\MACH\\M1\\PARTS\\";
inline const char* const kForeign = "C:\\MACH\\M2\\JOBS\\";
inline const char* const kOtherDriveOwn = "D:\\M1\\OUT\\";
inline const char* const kOtherDriveForeign = "D:\\M2\\OUT\\";
inline const char* const kExchange = "D:\\EXCHANGE\\";

class FileSetWorld : public Sandbox {
public:
    /// Starts SharedAnswers() afresh with these answers queued, and LastAnswer at 0.
    explicit FileSetWorld(std::initializer_list<bool> yes = {});

    /// Files in folder, each holding Bytes(prefix, name).
    void putFiles(const std::string& folder, const std::vector<std::string>& names, const std::string& prefix);
    /// Checks a folder holds exactly the entries: "NEW<OLD" a copy of the
    /// file OLD put with sourcePrefix, "NAME" a file put with "old" kept.
    void expectFolder(const std::string& folder, const std::vector<std::string>& entries,
                      const std::string& sourcePrefix) const;
    /// Checks a folder holds exactly the files named, each put with prefix.
    void expectUntouched(const std::string& folder, std::vector<std::string> names, const std::string& prefix) const;
};

/// Names written short: extensions of base ("-" is base alone) or, from "/"
/// on, whole names. With newBase, entries for expectFolder: "x" is newBase's
/// x copied from base.x, "=x" an old base.x kept, "/NEW<OLD" a copy.
std::vector<std::string> Files(const std::string& tokens, const std::string& base = "BRACKET",
                               const std::string& newBase = "");

/// Distinct content for a test file, with bytes a text copy would spoil.
std::string Bytes(const std::string& prefix, const std::string& name);

/// Files of a snapshot left under a temporary name of the set operations or
/// of the platform's own atomic writes.
std::vector<std::string> StagingLeftovers(const Snapshot& snapshot);

/// The overwrite question every copying operation asks.
std::string OverwriteQuestion(const std::string& name);

}  // namespace qv::test
