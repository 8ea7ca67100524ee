// A platform wrapper that counts the calls made through it and the files
// read, and can refuse to read chosen files, for tests and benchmarks.
#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>

#include "support/ForwardingPlatform.h"

namespace qv::test {

class CountingPlatform : public ForwardingPlatform {
public:
    explicit CountingPlatform(platform::Platform& inner) : ForwardingPlatform(inner) {}

    /// Calls per operation name ("fileExists", "readFile", ...).
    std::map<std::string, int> calls;
    /// Times each file was read whole or opened for records, keyed by its
    /// full path in upper case (a bare name is taken in the working folder).
    std::map<std::string, int> reads;
    /// Paths whose readFile fails with "permission denied".
    std::set<std::string> unreadable;

    int totalCalls() const;
    void clear();

    Result<std::string> readFile(const std::string& path) override;
    Result<std::unique_ptr<platform::RecordFile>> openRecordFile(const std::string& path,
                                                                 std::size_t recordLength,
                                                                 bool create) override;

protected:
    void onCall(const char* name) override { ++calls[name]; }

private:
    std::string key(const std::string& path);
};

}  // namespace qv::test
