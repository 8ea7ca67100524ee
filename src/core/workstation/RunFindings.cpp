// Reading the processor's findings into temporaries and committing them.
#include "core/workstation/RunFindings.h"

#include "core/workstation/ExchangeFiles.h"
#include "core/workstation/TurretTable.h"

namespace qv {

Result<RunFindings> ReadRunFindings(const std::string& sheetFile, const std::string& toolsFile) {
    auto sheet = ReadReverseSheet(sheetFile);
    if (!sheet) return sheet.status();
    auto tools = ReadReverseTools(toolsFile);
    if (!tools) return tools.status();
    if (tools->size() > TurretSlots)
        return Status::Error(toolsFile + ": " + std::to_string(tools->size()) + " tools, at most " +
                             std::to_string(TurretSlots));

    RunFindings findings;
    findings.SheetValues = sheet->Values;
    for (ToolRecord& tool : findings.TurretTools) ClearToolRecord(tool);
    for (const ReverseTool& entry : tools.value()) {
        // The reader refuses these; a table index must never come from an
        // unchecked file all the same.
        if (entry.Station < 1 || entry.Station >= static_cast<int>(TurretSlots))
            return Status::Error(toolsFile + ": station " + std::to_string(entry.Station) +
                                 " is outside 1 to " + std::to_string(TurretSlots - 1));
        const auto station = static_cast<std::size_t>(entry.Station);
        findings.TurretOrder[static_cast<std::size_t>(findings.TurretCount)] = entry.Station;
        findings.TurretTools[station] = ToolFromReverseEntry(entry);
        ++findings.TurretCount;
    }
    return findings;
}

void CommitRunFindings(const RunFindings& findings, ReverseRunState& run) {
    run.SheetValues = findings.SheetValues;
    run.TurretTools = findings.TurretTools;
    run.TurretOrder = findings.TurretOrder;
    run.TurretCount = findings.TurretCount;
}

}  // namespace qv
