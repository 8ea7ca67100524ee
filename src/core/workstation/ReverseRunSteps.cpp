// The steps of a reverse run.
#include "core/workstation/ReverseRunSteps.h"

#include "core/common/Messages.h"
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

void RefuseRun(const std::string& reason) {
    Refuse(reason.empty() ? std::string(FailedText) : std::string(FailedText) + "\n\n" + reason);
}

}  // namespace

std::optional<RunRequest> ChooseProgram(const std::string& selectedLine) {
    RunRequest request;
    request.ProgramName = Trim(selectedLine);
    if (request.ProgramName.empty()) {
        std::string directory, name;
        if (!RecallLastFile(directory, name)) {
            Refuse("No Program Selected !");
            return std::nullopt;
        }
        SelectCurrentDirectory(directory);
        request.directoryChanged = true;
        request.ProgramName = Trim(name);
    }
    request.ProgramPath = State().Config.CurrentDirectoryPath + request.ProgramName;
    return request;
}

bool PrepareRun(const RunRequest& request) {
    platform::Platform& os = platform::Current();
    if (os.fileExists(request.ProgramPath + ".drw")) {
        if (!Ask("Drawing for Program\n\n\"" + request.ProgramName + "\"\n\nAlready Exists!  Overwrite it ?"))
            return false;
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
    if (!written) {
        Refuse(written.message() + "\n\nReverse Engineering Aborted");
        return false;
    }
    return true;
}

std::optional<ReversePanel> LoadRunResult(const RunRequest& request, std::int16_t status) {
    if (status > 0) {
        RefuseRun("");
        return std::nullopt;
    }
    auto findings = ReadRunFindings(SystemFile(ReverseSheetFile), SystemFile(ReverseToolsFile));
    if (!findings) {
        RefuseRun(findings.message());
        return std::nullopt;
    }
    auto blocks = WriteReviewRecords(request.ProgramPath + ".prg", SystemFile(ReviewRecordsFile));
    if (!blocks) {
        RefuseRun(blocks.message());
        return std::nullopt;
    }

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

    RememberLastFile(State().Config.CurrentDirectory, run.ProgramName);
    return panel;
}

std::optional<ReversePanel> RunReverse(const std::string& selectedLine, const std::function<void()>& repaint) {
    auto request = ChooseProgram(selectedLine);
    if (!request || !PrepareRun(*request)) return std::nullopt;
    const std::int64_t processId = StartProcessor();
    if (repaint) repaint();
    return LoadRunResult(*request, WaitForProcessor(processId));
}

}  // namespace qv
