// Fault injection around another platform.
#include "support/FaultyPlatform.h"

namespace qv::test {

void FaultyPlatform::arm(const Fault& fault) {
    fault_ = fault;
    armed_ = true;
    counted_ = 0;
}

Status FaultyPlatform::check(Call kind, const std::string& path) {
    if (!armed_ || (fault_.kinds & kind) == 0) return Status::Ok();
    ++counted_;
    const bool fails = fault_.persistent ? counted_ >= fault_.nth : counted_ == fault_.nth;
    if (!fails) return Status::Ok();
    return Status::Error(path + ": " + fault_.reason, fault_.kind);
}

Status FaultyPlatform::copyFile(const std::string& from, const std::string& to) {
    Status fault = check(kCopy, to);
    if (fault.ok()) return inner().copyFile(from, to);
    if (fault_.partialCopy) {
        Result<std::string> bytes = inner().readFile(from);
        if (bytes.ok()) (void)inner().writeFile(to, bytes->substr(0, bytes->size() / 2));
    }
    return fault;
}

}  // namespace qv::test
