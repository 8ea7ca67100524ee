// The external text editor: programs and sub-routines are edited outside
// the system, in the editor "Editor.cfg" names, started without waiting.
#pragma once

#include <string>

#include "core/common/Outcome.h"

namespace qv {

/// SystemFolder & "Editor.cfg".
std::string EditorConfigurationPath();

/// The editor command, ending in one blank: the first line of "Editor.cfg",
/// trimmed, up to and including its first blank (the rest is dropped);
/// "Notepad.exe " for an empty line; the host's default editor when the
/// file is missing or cannot be read.
std::string EditorCommand();

/// The command followed directly by the path, the path in double quotes
/// when it holds a blank so that it reaches the editor as one argument.
std::string EditorCommandLine(const std::string& command, const std::string& path);

/// Creates the file empty when it does not exist, then starts the editor on
/// it in a maximised window and returns at once. Failed, with a notice
/// naming the command and the reason, when the editor cannot be started (a
/// file made for it is removed again) or the file cannot be made.
Outcome LaunchEditor(const std::string& path);

}  // namespace qv
