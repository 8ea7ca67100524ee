// The start-up sequence run before the main window is first shown.
#pragma once

#include <cstdint>
#include <string>

#include "platform/Result.h"

namespace qv {

/// First locks the system folder (the working folder) for the life of the
/// program: when another Quorvane holds it, start-up ends with a message
/// naming the folder and nothing is read. Then reads the configuration and
/// lists, sets up the configured machine, loads the "Default" material and
/// selects the remembered reverse processor.
/// A missing or unreadable required file ("Quorvane.cfg", "Machine.lst",
/// "Reverse.lst" with the reverse product, "Reverse.cfg", the machine's
/// description or station files) gives an error with one message naming
/// the file and where it was looked for; the program cannot run then.
/// A remembered machine that is no longer in the list gives way to the
/// list's first machine.
Status RunStartup();

/// Makes machine number current (SetUpMachine) and then loads its "Default"
/// material with that material's tool library, so a machine chosen later
/// is left as a start on it would leave it. A machine that cannot be set up
/// leaves the current machine and its material as they were.
Status SelectMachine(std::int16_t number, const std::string& directoryName);

/// "Select Machine" has something to offer: more than one machine.
bool CanSelectMachine();

/// "Select Reverse" has something to offer: more than one processor.
bool CanSelectReverse();

}  // namespace qv
