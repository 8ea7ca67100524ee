// Accepting or discarding a reverse run's result.
#include "core/workstation/Acceptance.h"

#include "core/common/State.h"
#include "core/common/Text.h"
#include "core/common/TextFile.h"
#include "core/tooling/ToolingState.h"
#include "core/workstation/DrawingReplace.h"
#include "core/workstation/ExchangeFiles.h"
#include "core/workstation/ReverseRunState.h"
#include "core/workstation/ScratchDrawing.h"
#include "core/workstation/SheetBoxes.h"
#include "platform/Platform.h"

namespace qv {

namespace {

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

const char* const NotAcceptedText = "Reverse Engineering Result Not Accepted\n\n";

// A failed check refuses the result; a failing file system is a failure of
// its own kind, so that the window need not tell the two apart by text.
Outcome NotAccepted(const std::string& reason) { return Outcome::Refused(NotAcceptedText + reason); }
Outcome NotWritten(const Status& status) { return Outcome::Failed(NotAcceptedText + status.message(), status.kind()); }

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
    // A missing path file, or one that says too little, is the run's fault;
    // a read that fails is the disc's.
    auto lines = ReadLines(SystemFile(ReversePathFile));
    if (!lines) return lines.kind() == ErrorKind::NotFound ? NotAccepted(lines.message()) : NotWritten(lines.status());
    auto path = ParseReversePath(SystemFile(ReversePathFile), *lines);
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
    if (!status) return NotWritten(status);
    auto written = BuildScratchDrawing(drawing, scratch, HeaderValuesFrom(sheetTexts), ReverseRun().TurretTools);
    if (written) status = ReplaceDrawing(scratch, drawing);
    else status = written.status();
    if (!status) {
        if (os.fileExists(scratch) && !os.deleteFile(scratch))
            return NotWritten(Status::Error(status.message() + "\n" + Quoted(scratch) + " Could Not Be Removed !",
                                            status.kind()));
        return NotWritten(status);
    }

    // The drawing is in place; what is left are the run's exchange files.
    // One that will not go is named, as it would be taken for a new run's.
    std::string notice = "Reverse Engineering Complete !";
    for (const char* name : {ReviewRecordsFile, ReversePathFile, ReverseSheetFile, ReverseToolsFile}) {
        const std::string file = SystemFile(name);
        if (os.fileExists(file) && !os.deleteFile(file)) notice += "\n" + Quoted(file) + " Could Not Be Removed !";
    }
    return Outcome::Done(notice, written.value());
}

}  // namespace qv
