// Accepting or discarding a reverse run's result.
#include "core/workstation/Acceptance.h"

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

Outcome NotAccepted(const std::string& reason) {
    return Outcome::Refused("Reverse Engineering Result Not Accepted\n\n" + reason);
}

/// Leftovers of an earlier acceptance would mix with the new drawing.
Status ClearScratchFiles() {
    platform::Platform& os = platform::Current();
    const std::string folder = State().Config.SystemFolder;
    Result<std::vector<std::string>> names = os.listFiles(folder, "Rvrsmain.*");
    if (!names.ok()) return names.status();
    for (const std::string& name : *names) {
        Status deleted = os.deleteFile(folder + name);
        if (!deleted) return deleted;
    }
    return Status::Ok();
}

// Another copy of the program, or a file left from another run, may have
// rewritten "Reverse.pth" since this run's panel was filled.
bool SameProgram(const std::string& named, const std::string& shown) {
    if (shown.empty()) return false;
    if (EqualsNoCase(named, shown)) return true;
    const Result<bool> same = platform::Current().sameEntry(named + ".prg", shown + ".prg");
    return same.ok() && *same;
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

Outcome AcceptResult(const std::array<std::string, 4>& sheetTexts) {
    platform::Platform& os = platform::Current();
    auto path = ReadReversePath(SystemFile(ReversePathFile));
    if (!path) return NotAccepted(path.message());
    const std::string program = Trim(path->ProgramPath);
    if (!SameProgram(program, ReverseRun().ProgramPath))
        return NotAccepted(SystemFile(ReversePathFile) + " names the program \"" + program +
                           "\", not the program of this run \"" + ReverseRun().ProgramPath + "\"");
    const std::string drawing = program + ".drw";
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
    return Outcome::Done("Reverse Engineering Complete !", written.value());
}

}  // namespace qv
