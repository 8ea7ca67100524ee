// The turret tooling table of the reverse panel: the rows a run shows, the
// tool the processor found per entry, and the confirmation of a row's tool.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/tooling/ToolRecord.h"
#include "core/workstation/ExchangeFiles.h"
#include "core/workstation/ReverseRunState.h"

namespace qv {

/// One row of the four columns, as the lists show it.
struct TurretRow {
    std::string station, type, size, angle;
    bool confirmed = false;  // the user confirmed the row's tool
};

/// The lists show this many rows at a time.
constexpr int TurretVisibleRows = 21;

/// The processor's finding as an unconfirmed tool: shape letter and
/// description trimmed and upper-cased, sizes, code and angles as given.
ToolRecord ToolFromReverseEntry(const ReverseTool& entry);

/// The rows of the table, one per entry of TurretOrder, sizes in the current
/// machine's units. Tools of a punch shape get their padded shape name as
/// description; unknown letters are normalised to "U".
std::vector<TurretRow> FillTurretTable(ReverseRunState& run);

/// "3 of 5 tools confirmed" ("1 tool" when the table has one row).
std::string ConfirmedToolsText(int confirmed, int rows);

/// The scroll bar's maximum: rows less the visible rows, not below 0.
int TurretScrollMaximum(std::size_t rowCount);

/// The tool of table row `row` as the tool dialog starts from it, with the
/// row's station as its Station; a cleared record for a row outside the table.
ToolRecord TurretRowTool(const ReverseRunState& run, int row);

/// True when the tool entry dialog was confirmed: a shape and Defined.
bool IsConfirmedTool(const ToolRecord& chosen);

/// The texts of a row: sizes in inches (4 decimals) or millimetres (3
/// decimals); a tool as the processor found it shows "idx" in an indexable
/// station, a confirmed (Defined) tool "idx " with its index angle.
TurretRow DescribeTurretRow(const ToolRecord& tool, std::int16_t station, bool inchUnits);

/// Copies a confirmed tool into the station of table row `row` and returns
/// the row's texts afterwards. An unconfirmed tool changes nothing; a row
/// outside the table gives empty texts.
TurretRow ApplyChosenTool(ReverseRunState& run, int row, const ToolRecord& chosen, bool inchUnits);
/// The same on the workstation's run.
TurretRow ApplyChosenTool(int row, const ToolRecord& chosen, bool inchUnits);

}  // namespace qv
