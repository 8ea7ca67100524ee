// Accepting or discarding a reverse run's result.
#include "core/workstation/Acceptance.h"

#include "core/common/Messages.h"
#include "core/common/State.h"
#include "core/common/Text.h"
#include "core/tooling/ToolingState.h"
#include "core/workstation/DrawingReplace.h"
#include "core/workstation/ExchangeFiles.h"
#include "core/workstation/ReverseRunState.h"
#include "core/workstation/ScratchDrawing.h"
#include "core/workstation/SheetBoxes.h"
#include "platform/Platform.h"

namespace qv {

namespace {

AcceptOutcome NotAccepted(const std::string& reason) {
    Refuse("Reverse Engineering Result Not Accepted\n\n" + reason);
    return {};
}

/// Leftovers of an earlier acceptance would mix with the new drawing.
Status ClearScratchFiles() {
    platform::Platform& os = platform::Current();
    const std::string folder = State().Config.SystemFolder;
    for (const std::string& name : os.listFiles(folder, "Rvrsmain.*")) {
        Status deleted = os.deleteFile(folder + name);
        if (!deleted) return deleted;
    }
    return Status::Ok();
}

HeaderValues HeaderValuesFrom(const std::array<std::string, 4>& sheetTexts) {
    const Machine& machine = State().Mach;
    HeaderValues values;
    values.sheet = ApplySheetRules(EvaluateSheetBoxes(sheetTexts, machine.InchUnits), machine);
    values.materialName = Tooling().CurrentMaterial;
    values.materialValue1 = Tooling().MaterialValue1;
    values.materialValue2 = Tooling().MaterialValue2;
    values.machineValue4 = machine.MachineValue4;
    return values;
}

}  // namespace

AcceptOutcome AcceptResult(const std::array<std::string, 4>& sheetTexts, const std::function<void()>& closePanel) {
    platform::Platform& os = platform::Current();
    auto path = ReadReversePath(SystemFile(ReversePathFile));
    if (!path) return NotAccepted(path.message());
    const std::string drawing = Trim(path->ProgramPath) + ".drw";
    Status status = CheckDrawingFile(drawing);
    if (!status) return NotAccepted(status.message());

    const std::string scratch = SystemFile(ScratchDrawingFile);
    status = ClearScratchFiles();
    if (!status) return NotAccepted(status.message());
    auto written = BuildScratchDrawing(drawing, scratch, HeaderValuesFrom(sheetTexts), ReverseRun().TurretTools);
    if (written) status = ReplaceDrawing(scratch, drawing);
    else status = written.status();
    if (!status) {
        if (os.fileExists(scratch)) (void)os.deleteFile(scratch);
        return NotAccepted(status.message());
    }

    // The drawing is in place; what is left are the run's exchange files.
    for (const char* name : {ReviewRecordsFile, ReversePathFile, ReverseSheetFile, ReverseToolsFile}) {
        const std::string file = SystemFile(name);
        if (os.fileExists(file)) (void)os.deleteFile(file);
    }
    if (closePanel) closePanel();
    Notify("Reverse Engineering Complete !");
    AcceptOutcome outcome;
    outcome.accepted = true;
    outcome.recordsWritten = written.value();
    return outcome;
}

void DiscardResult() {}

}  // namespace qv
