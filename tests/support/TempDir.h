// A real temporary folder for a test, removed with everything in it.
#pragma once

#include <string>

namespace qv::test {

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    /// Host path, without a final "/".
    const std::string& path() const { return path_; }
    /// Host path of a name inside it.
    std::string operator/(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

/// Writes bytes to a host file, creating its folders.
void WriteHostFile(const std::string& hostPath, const std::string& bytes);
/// Reads a host file whole; "" when missing.
std::string ReadHostFile(const std::string& hostPath);

}  // namespace qv::test
