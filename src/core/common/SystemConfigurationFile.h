// "Quorvane.cfg": the installation's folders, the machine number and the
// current program directory.
#pragma once

#include "platform/Result.h"

namespace qv {

/// Rewrites SystemFolder & "Quorvane.cfg" from State().Config: the three
/// folders, the machine number with a leading blank, the current directory
/// and "******". Replaces the file whole; a failure leaves the old one.
Status WriteSystemConfiguration();

}  // namespace qv
