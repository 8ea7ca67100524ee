// The nesting option: which nesting files and folders the installation uses.
#pragma once

#include <string>

namespace qv {

/// The first line of a new machine nesting file: the question answered "No".
extern const char* const NestingQuestionLine;

/// Sets State().Config.NestingLevel (0 no nesting, 1 nesting configured but
/// off for this machine, 2 on) from "Nesting.cfg", the nesting program and
/// the machine's nesting file (MachinePrefix & "nst"), creating that file
/// with the answer "No" when it is missing or empty, and the system folder's
/// "Nesting" folder when the level is 2. Reports nothing: a file that cannot
/// be read or written leaves nesting off for the machine.
void SetUpNesting();

}  // namespace qv
