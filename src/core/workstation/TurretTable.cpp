// Rows of the turret tooling table and the confirmation of a row's tool.
#include "core/workstation/TurretTable.h"

#include <algorithm>

#include "core/common/NumberText.h"
#include "core/common/State.h"
#include "core/common/Text.h"
#include "core/tooling/ShapeTable.h"
#include "core/common/FormatNumber.h"

namespace qv {

ToolRecord ToolFromReverseEntry(const ReverseTool& entry) {
    ToolRecord tool;
    ClearToolRecord(tool);
    const std::string letter = Upper(Trim(entry.Shape));
    tool.Shape = letter.empty() ? ' ' : letter[0];
    tool.Description = FixedText(Upper(Trim(entry.Description)), ToolDescriptionWidth);
    tool.Size = entry.Size;
    tool.StationCode = entry.StationCode;
    tool.Angle = entry.Angle;
    tool.IndexAngle = entry.IndexAngle;
    return tool;
}

TurretRow DescribeTurretRow(const ToolRecord& tool, std::int16_t station, bool inchUnits) {
    TurretRow row;
    row.station = NumberText(station);
    row.type = ShapeName(tool.Shape);
    row.confirmed = tool.Defined;
    // Found and confirmed rows share one column, so both show the machine's units.
    row.size = DimensionText(tool, inchUnits ? Units::Inches : Units::Millimetres);
    const bool indexed = IsIndexCode(tool.StationCode);
    if (tool.Defined)
        row.angle = indexed ? "idx " + FormatNumber(tool.IndexAngle) : FormatNumber(tool.Angle);
    else
        row.angle = indexed ? "idx" : FormatNumber(tool.Angle);
    return row;
}

std::vector<TurretRow> FillTurretTable(ReverseRunState& run) {
    std::vector<TurretRow> rows;
    const int count = std::clamp<int>(run.TurretCount, 0, static_cast<int>(TurretSlots));
    rows.reserve(static_cast<std::size_t>(count));
    for (int k = 0; k < count; ++k) {
        const std::int16_t station = run.TurretOrder[static_cast<std::size_t>(k)];
        if (station < 0 || station >= static_cast<int>(TurretSlots)) continue;
        ToolRecord& tool = run.TurretTools[static_cast<std::size_t>(station)];
        if (IsPunchShape(tool.Shape) && tool.Shape != 'S') {
            tool.Description = FixedText(ShapeName(tool.Shape), ToolDescriptionWidth);
        } else if (tool.Shape != 'S') {
            NormaliseShape(tool);
        }
        rows.push_back(DescribeTurretRow(tool, station, State().Mach.InchUnits));
    }
    return rows;
}

std::string ConfirmedToolsText(int confirmed, int rows) {
    return NumberText(confirmed) + " of " + NumberText(rows) + (rows == 1 ? " tool" : " tools") + " confirmed";
}

int TurretScrollMaximum(std::size_t rowCount) {
    return std::max(0, static_cast<int>(rowCount) - TurretVisibleRows);
}

ToolRecord TurretRowTool(const ReverseRunState& run, int row) {
    if (row < 0 || row >= run.TurretCount || row >= static_cast<int>(TurretSlots)) return {};
    const std::int16_t station = run.TurretOrder[static_cast<std::size_t>(row)];
    if (station < 0 || station >= static_cast<int>(TurretSlots)) return {};
    ToolRecord tool = run.TurretTools[static_cast<std::size_t>(station)];
    tool.Station = station;
    return tool;
}

bool IsConfirmedTool(const ToolRecord& chosen) { return chosen.Shape != ' ' && chosen.Defined; }

TurretRow ApplyChosenTool(ReverseRunState& run, int row, const ToolRecord& chosen, bool inchUnits) {
    if (row < 0 || row >= run.TurretCount || row >= static_cast<int>(TurretSlots)) return {};
    const std::int16_t station = run.TurretOrder[static_cast<std::size_t>(row)];
    if (station < 0 || station >= static_cast<int>(TurretSlots)) return {};
    ToolRecord& tool = run.TurretTools[static_cast<std::size_t>(station)];
    if (IsConfirmedTool(chosen)) CopyToolRecord(chosen, tool);
    return DescribeTurretRow(tool, station, inchUnits);
}

TurretRow ApplyChosenTool(int row, const ToolRecord& chosen, bool inchUnits) {
    return ApplyChosenTool(ReverseRun(), row, chosen, inchUnits);
}

}  // namespace qv
