// Runs a test body as a user without privileges, so that permission checks
// hold: as root, in a forked child that drops to uid/gid 65534 after the
// folder tree is handed to that user; otherwise in this process. Failures in
// the child are reported here.
#pragma once

#include <functional>
#include <string>

namespace qv::test {

void AsUnprivileged(const std::string& hostFolder, const std::function<void()>& body);

}  // namespace qv::test
