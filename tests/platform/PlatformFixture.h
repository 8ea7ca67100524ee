// Platform tests run in a sandbox: drive C: fixed and drive E: removable,
// each a folder of a temporary tree mapped through "Drives.cfg".
#pragma once

#include <gtest/gtest.h>

#include "support/Sandbox.h"

namespace qv::test {

class PlatformTest : public ::testing::Test, protected Sandbox {
protected:
    PlatformTest() : Sandbox({{'C'}, {'E', "removable"}}) {}
    platform::PosixPlatform* const platform = &Sandbox::platform();
};

}  // namespace qv::test
