// "Quorvane.cfg": the installation's folders, the machine number and the
// current program directory.
#pragma once

#include <cstdint>
#include <string>

#include "platform/Result.h"

namespace qv {

/// The bare name the program finds its configuration by, in the working folder.
constexpr const char* SystemConfigurationName = "Quorvane.cfg";

/// What "Quorvane.cfg" holds once read: folders end in "\", the machine
/// number is at least 1 and a current directory holding ":" is emptied.
struct SystemConfigurationValues {
    std::string SystemFolder;
    std::string DataFolder;
    std::string MachineRoot;
    std::int16_t SelectedMachine = 1;
    std::string CurrentDirectory;
};

/// Reads "Quorvane.cfg" by its bare name in the working folder. Lines after
/// the fifth are ignored; missing lines 4 and 5 read as empty. A missing or
/// unreadable file, or one without its three folder lines, gives an error
/// that names the file and the working folder.
Result<SystemConfigurationValues> ReadSystemConfigurationValues();

/// ReadSystemConfigurationValues into State().Config; on failure the
/// configuration is left as it was.
Status ReadSystemConfigurationFile();

/// Rewrites SystemFolder & "Quorvane.cfg" from State().Config: the three
/// folders, the machine number with a leading blank, the current directory
/// and "******". Replaces the file whole; a failure leaves the old one.
Status WriteSystemConfiguration();

}  // namespace qv
