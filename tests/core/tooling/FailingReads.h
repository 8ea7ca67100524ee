// A platform that passes every call to another one but fails whole-file
// reads of paths containing a given text: an unreadable file on demand.
#pragma once

#include <string>

#include "support/ForwardingPlatform.h"

namespace qv::test {

class FailingReads : public ForwardingPlatform {
public:
    FailingReads(platform::Platform& inner, std::string failing)
        : ForwardingPlatform(inner), failing_(std::move(failing)), scope_(*this) {}

    Result<std::string> readFile(const std::string& path) override {
        if (path.find(failing_) != std::string::npos) return Status::Error(path + ": input/output error");
        return ForwardingPlatform::readFile(path);
    }

private:
    std::string failing_;
    platform::ScopedPlatform scope_;
};

}  // namespace qv::test
