// The tooling subsystem's module-wide values: the tool library in use, the
// current material with its fields.
#pragma once

#include <cstdint>
#include <string>

#include "core/tooling/ToolRecord.h"

namespace qv {

/// Every field of a material file as it was read. Numbers of a section the
/// machine does not have, or of lines the file lacks, are 0; texts are "".
struct MaterialFields {
    bool found = false;     // a material file was read
    std::string name;       // field 0: the material actually read
    std::int16_t Field1 = 0;
    double Field2 = 0;
    double Field3 = 0;
    double Field4 = 0;
    std::string Field5;     // upper case
    std::string Field11;    // tool library name, as written
    double Field12 = 0;
    double Field13 = 0;
    double Field21 = 0;
    double Field22 = 0;
    std::int16_t Field23 = 0;
    std::string Field31;    // default tool in its text form
};

struct ToolingState {
    std::string ToolLibraryName;
    /// Tool folder & ToolLibraryName & "."; a shape letter completes a path.
    std::string ToolLibraryPrefix;
    std::string CurrentMaterial = "Default";
    float MaterialValue1 = 0;  // field 2 of the current material
    float MaterialValue2 = 0;  // field 13 of the current material
    MaterialFields Material;   // every field of the current material
    ToolRecord DefaultTool;    // field 31, parsed
};

/// The one instance the program runs with.
ToolingState& Tooling();

}  // namespace qv
