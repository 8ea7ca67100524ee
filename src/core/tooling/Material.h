// The machine's material files: reading their fields, making one current,
// and listing them.
#pragma once

#include <string>

#include "core/common/ListRows.h"
#include "core/tooling/ToolingState.h"
#include "platform/Result.h"

namespace qv {

/// A material field: a number (whole for fields 1 and 23), a text, or
/// nothing (an unknown field number; fields 3 and 4 when no file exists).
struct MaterialValue {
    enum class Kind { Empty, Number, Text };
    Kind kind = Kind::Empty;
    double number = 0;
    std::string text;
};

/// MachineMaterialFolder & name & ".mtl".
std::string MaterialFilePath(const std::string& name);

/// Reads a material file for the current machine's kind. Lines the file
/// lacks read as 0 or "". An error names the file when it cannot be read.
Result<MaterialFields> ReadMaterialFile(const std::string& path);

/// One field of a material, the whole file read at each call: the trimmed
/// name, or "Default" when that material has no file. Field 0 is the name
/// actually used; without any file every field reads 0 or "".
MaterialValue ReadMaterialField(const std::string& name, int field);

/// Makes a material current (unknown or empty names become "Default"),
/// takes its values and default tool, and prepares its tool library. Does
/// nothing without the full suite; never reports.
void SelectMaterial(const std::string& name);

/// The material names of a machine: "Default" first, then the other
/// material files in folder order, the row of currentMaterial selected
/// regardless of case. Empty when the folder holds no material file.
ListRows FillMaterialList(const std::string& machineFolder, const std::string& currentMaterial);

}  // namespace qv
