// The process-wide platform and its test replacement.
#include "platform/Platform.h"

namespace qv::platform {
namespace {
Platform* g_override = nullptr;
}

Platform& Current() {
    if (g_override) return *g_override;
    static std::unique_ptr<Platform> host = MakeHostPlatform();
    return *host;
}

ScopedPlatform::ScopedPlatform(Platform& replacement) : previous_(g_override) {
    g_override = &replacement;
}

ScopedPlatform::~ScopedPlatform() { g_override = previous_; }

}  // namespace qv::platform
