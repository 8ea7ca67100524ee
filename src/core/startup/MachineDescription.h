// The machine's measurement file (prefix & "msr") and description file
// (prefix & "mch").
#pragma once

#include <string>

#include "core/common/State.h"
#include "platform/Result.h"

namespace qv {

/// Inches to millimetres as the machine files are taken in: times 25.4,
/// rounded to 3 decimal places.
float InchesToMillimetres(double inches);

/// True when the value of line 1 of the measurement file is "IMPERIAL".
Result<bool> ReadMeasurementFile(const std::string& path);

/// Reads the description file into machine: the type, values 3 and 4, the
/// lengths (converted to millimetres when machine.ImperialMachine), the
/// clamp range count and ranges. Lines missing from a short file read as 0.
/// Sets PunchMachine and SecondaryProcess from the type.
Status ReadMachineDescription(const std::string& path, Machine& machine);

}  // namespace qv
