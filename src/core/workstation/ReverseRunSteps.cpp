// The steps of a reverse run.
#include "core/workstation/ReverseRunSteps.h"

#include <variant>

#include "core/common/State.h"
#include "core/common/Text.h"
#include "core/folders/DirectoryLists.h"
#include "core/tooling/Material.h"
#include "core/tooling/ToolingState.h"
#include "core/workstation/ExchangeFiles.h"
#include "core/workstation/ProcessorLaunch.h"
#include "core/workstation/RecentFile.h"
#include "core/workstation/ReviewRecords.h"
#include "core/workstation/RunFindings.h"
#include "core/workstation/SheetBoxes.h"
#include "platform/Platform.h"

namespace qv {

namespace {

const char* const FailedText = "Reverse Engineering Failed";

Outcome RunFailed(const std::string& reason) {
    Outcome failed = Outcome::Refused(FailedText);
    if (!reason.empty()) failed = failed.with(reason);
    const std::string output = ProcessorOutputTail();
    return output.empty() ? failed : failed.with(output);
}

std::optional<RunRequest> ChooseProgram(const std::string& selectedLine) {
    RunRequest request;
    request.ProgramName = Trim(selectedLine);
    if (request.ProgramName.empty()) {
        std::string directory, name;
        if (!RecallLastFile(directory, name)) return std::nullopt;
        SelectCurrentDirectory(directory);
        request.directoryChanged = true;
        request.ProgramName = Trim(name);
    }
    request.ProgramPath = State().Config.CurrentDirectoryPath + request.ProgramName;
    return request;
}

Outcome PrepareRun(const RunRequest& request, const AskFunction& ask) {
    platform::Platform& os = platform::Current();
    if (os.fileExists(request.ProgramPath + ".drw")) {
        const bool yes =
            ask && ask("Drawing for Program\n\n\"" + request.ProgramName + "\"\n\nAlready Exists!  Overwrite it ?");
        State().LastAnswer = yes ? AnswerYes : AnswerNo;
        if (!yes) return Outcome::Declined();
    }
    ReversePath path;
    path.ProgramPath = request.ProgramPath;
    path.ProgramName = request.ProgramName;
    path.CurrentDirectory = State().Config.CurrentDirectory;
    path.MachineFolder = State().Mach.MachineFolder;
    Status written = WriteReversePath(SystemFile(ReversePathFile), path);
    // An old status left behind would pass for this run's.
    const std::string flag = SystemFile(FinishedFlagFile);
    if (written && os.fileExists(flag)) written = os.deleteFile(flag);
    if (!written) return Outcome::Failed(written.message() + "\n\nReverse Engineering Aborted", written.kind());
    return Outcome::Done();
}

std::variant<ReversePanel, Outcome> LoadRunResult(const RunRequest& request, std::int16_t status) {
    if (status > 0) return RunFailed("");
    auto findings = ReadRunFindings(SystemFile(ReverseSheetFile), SystemFile(ReverseToolsFile));
    if (!findings) return RunFailed(findings.message());
    auto blocks = WriteReviewRecords(request.ProgramPath + ".prg", SystemFile(ReviewRecordsFile));
    if (!blocks) return RunFailed(blocks.message());

    ReverseRunState& run = ReverseRun();
    run.ProgramName = request.ProgramName;
    run.ProgramPath = request.ProgramPath;
    run.BlockCount = blocks.value();
    CommitRunFindings(findings.value(), run);

    const bool inch = State().Mach.InchUnits;
    ReversePanel panel;
    panel.caption = run.ProgramName;
    panel.sheetTexts = SheetBoxTexts(run.SheetValues, inch);
    panel.rows = FillTurretTable(run);
    panel.scrollMaximum = TurretScrollMaximum(panel.rows.size());
    panel.selectedRow = panel.rows.empty() ? -1 : 0;
    panel.materials = FillMaterialList(State().Mach.MachineFolder, Tooling().CurrentMaterial);
    if (panel.materials.selected < 0 && !panel.materials.items.empty()) panel.materials.selected = 0;

    (void)RememberLastFile(State().Config.CurrentDirectory, run.ProgramName);
    return panel;
}

}  // namespace

RunOutcome RunReverse(const std::string& selectedLine, const ReverseRunHooks& hooks) {
    RunOutcome run;
    const std::optional<RunRequest> request = ChooseProgram(selectedLine);
    if (!request) {
        run.notices.push_back(Outcome::Refused("No Program Selected !"));
        return run;
    }
    run.programChosen = true;
    if (hooks.programChosen) hooks.programChosen(*request);
    Outcome prepared = PrepareRun(*request, hooks.ask);
    if (!prepared.done()) {
        run.notices.push_back(prepared);
        return run;
    }
    const ProcessorStart start = StartProcessor();
    const bool missing = start.error.kind() == ErrorKind::NotFound;
    if (missing) run.notices.push_back(Outcome::Refused(ProcessorMissingText()));
    if (hooks.waiting) hooks.waiting();
    const std::int16_t status = WaitForProcessor(start.processId);
    // A missing processor is a failed run too; one that will not start says why.
    if (!start.error.ok() && !missing) {
        run.notices.push_back(RunFailed(start.error.message()));
        return run;
    }
    std::variant<ReversePanel, Outcome> result = LoadRunResult(*request, status);
    if (auto* failed = std::get_if<Outcome>(&result)) run.notices.push_back(*failed);
    else run.panel = std::move(std::get<ReversePanel>(result));
    return run;
}

}  // namespace qv
