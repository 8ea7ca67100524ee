// A reverse run (the program frame's OK), in the steps the window performs
// with its own work between them:
//   ChooseProgram -> (hide the program frame) -> PrepareRun -> StartProcessor
//   -> (repaint) -> WaitForProcessor -> LoadRunResult -> (show the panel).
// Any step that answers "stop" has told the user why; the window then
// enables its menus again.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/common/ListRows.h"
#include "core/workstation/ProcessorLaunch.h"
#include "core/workstation/TurretTable.h"

namespace qv {

/// The program a run is for; becomes the run's ProgramName and ProgramPath
/// only when the run succeeds.
struct RunRequest {
    std::string ProgramName;
    std::string ProgramPath;  // CurrentDirectoryPath & ProgramName
    /// The recent program was taken and its directory made current: the
    /// window refreshes its lists.
    bool directoryChanged = false;
};

/// The selected line of the program list ("" when none is selected), else
/// the recent program. Nothing to take: "No Program Selected !".
std::optional<RunRequest> ChooseProgram(const std::string& selectedLine);

/// Asks before overwriting an existing drawing (the answer in LastAnswer),
/// writes "Reverse.pth" and removes any old "Finished.flg". False: stop.
bool PrepareRun(const RunRequest& request);

/// Everything the reverse panel shows after a successful run.
struct ReversePanel {
    std::string caption;                     // ProgramName
    std::array<std::string, 4> sheetTexts;   // ShtBox(1) to ShtBox(4)
    std::vector<TurretRow> rows;             // the tooling table
    int scrollMaximum = 0;                   // TrtBar: 0 to this
    int selectedRow = -1;                    // 0 when the table has rows
    ListRows materials;                      // MaterialList, a line selected
};

/// After the processor: a status above 0, or a "Reverse.sht", "Reverse.trt"
/// or program that cannot be read, ends the run with "Reverse Engineering
/// Failed" and leaves the current run as it was. Otherwise writes
/// "Reverse.rnd", takes the findings into the run, remembers the program as
/// the recent one and returns the panel's contents.
std::optional<ReversePanel> LoadRunResult(const RunRequest& request, std::int16_t status);

/// The whole run in one call, for callers with nothing to do between the
/// steps; repaint is called before the wait.
std::optional<ReversePanel> RunReverse(const std::string& selectedLine,
                                       const std::function<void()>& repaint = {});

}  // namespace qv
