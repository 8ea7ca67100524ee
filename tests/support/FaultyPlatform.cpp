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

}  // namespace qv::test
