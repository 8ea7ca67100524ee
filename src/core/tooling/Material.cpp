// Material files: positional "label : value" lines whose sections depend on
// the machine's kind.
#include "core/tooling/Material.h"

#include "core/common/Numbers.h"
#include "core/common/State.h"
#include "core/common/Text.h"
#include "core/common/TextFile.h"
#include "core/tooling/ToolLibrary.h"
#include "platform/Platform.h"

namespace qv {
namespace {

const char* const DefaultMaterial = "Default";

// The name that is read: the trimmed name when its file exists, else "Default".
std::string MaterialInUse(const std::string& name) {
    const std::string trimmed = Trim(name);
    if (!trimmed.empty() && platform::Current().fileExists(MaterialFilePath(trimmed))) return trimmed;
    return DefaultMaterial;
}

MaterialFields ReadOrEmpty(const std::string& name) {
    Result<MaterialFields> read = ReadMaterialFile(MaterialFilePath(name));
    // An unreadable file counts as missing: no value of another material
    // may linger under this one's name.
    MaterialFields fields = read ? std::move(*read) : MaterialFields{};
    fields.name = name;
    return fields;
}

MaterialValue Number(double value) { return {MaterialValue::Kind::Number, value, {}}; }
MaterialValue Text(std::string value) { return {MaterialValue::Kind::Text, 0, std::move(value)}; }

}  // namespace

std::string MaterialFilePath(const std::string& name) {
    return State().Mach.MachineMaterialFolder + name + ".mtl";
}

Result<MaterialFields> ReadMaterialFile(const std::string& path) {
    Result<std::vector<std::string>> read = ReadLines(path);
    if (!read) return read.status();
    const std::vector<std::string>& lines = *read;
    // Lines are numbered from 1; a line the file lacks reads as empty.
    auto value = [&](std::size_t line) {
        return line <= lines.size() ? ValueAfterColon(lines[line - 1]) : std::string();
    };
    auto number = [&](std::size_t line) { return LeadingNumber(Upper(value(line))); };

    const Machine& machine = State().Mach;
    MaterialFields f;
    f.found = true;
    f.Field1 = RoundToInt16(number(2));
    f.Field2 = number(3);
    f.Field3 = number(4);
    f.Field4 = number(5);
    f.Field5 = Upper(value(6));
    std::size_t next = 7;
    if (machine.PunchMachine) {
        f.Field11 = value(next);
        f.Field12 = number(next + 1);
        f.Field13 = number(next + 2);
        next += 3;
    }
    if (machine.SecondaryProcess) {
        f.Field21 = number(next);
        f.Field22 = number(next + 1);
        f.Field23 = RoundToInt16(number(next + 2));
        next += 3;
    }
    if (machine.PunchMachine && machine.SecondaryProcess) f.Field31 = value(next);
    return f;
}

MaterialValue ReadMaterialField(const std::string& name, int field) {
    const MaterialFields f = ReadOrEmpty(MaterialInUse(name));
    switch (field) {
        case 0: return Text(f.name);
        case 1: return Number(f.Field1);
        case 2: return Number(f.Field2);
        case 3: return f.found ? Number(f.Field3) : MaterialValue{};
        case 4: return f.found ? Number(f.Field4) : MaterialValue{};
        case 5: return Text(f.Field5);
        case 11: return Text(f.Field11);
        case 12: return Number(f.Field12);
        case 13: return Number(f.Field13);
        case 21: return Number(f.Field21);
        case 22: return Number(f.Field22);
        case 23: return Number(f.Field23);
        case 31: return Text(f.Field31);
        default: return MaterialValue{};
    }
}

void SelectMaterial(const std::string& name) {
    if (!State().Config.FullSuite) return;
    ToolingState& tooling = Tooling();
    tooling.CurrentMaterial = MaterialInUse(name);
    tooling.Material = ReadOrEmpty(tooling.CurrentMaterial);
    tooling.MaterialValue1 = static_cast<float>(tooling.Material.Field2);
    tooling.MaterialValue2 = static_cast<float>(tooling.Material.Field13);
    tooling.ToolLibraryName = Trim(tooling.Material.Field11);
    ParseToolText(tooling.Material.Field31, tooling.DefaultTool);
    PrepareToolLibrary();
}

ListRows FillMaterialList(const std::string& machineFolder, const std::string& currentMaterial) {
    ListRows rows;
    const std::string folder = State().Config.DataFolder + "Material\\" + machineFolder + "\\";
    const std::vector<std::string> files = platform::Current().listFiles(folder, "*.mtl").value_or({});
    if (files.empty()) return rows;

    rows.items.push_back(DefaultMaterial);
    for (const std::string& file : files) {
        const std::size_t dot = file.rfind('.');
        const std::string base = Trim(dot == std::string::npos ? file : file.substr(0, dot));
        if (base.empty()) continue;
        bool listed = false;
        for (const std::string& item : rows.items) listed = listed || EqualsNoCase(item, base);
        if (!listed) rows.items.push_back(base);
    }
    rows.data.assign(rows.items.size(), 0);

    const std::string current = Trim(currentMaterial);
    for (std::size_t i = 0; i < rows.items.size(); ++i) {
        if (EqualsNoCase(rows.items[i], current)) {
            rows.selected = static_cast<int>(i);
            break;
        }
    }
    return rows;
}

}  // namespace qv
