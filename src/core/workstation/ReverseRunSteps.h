// A reverse run (the program frame's OK) as one sequence: choose the program,
// ask before overwriting its drawing, write "Reverse.pth", start the
// processor, wait, read its findings and fill the panel. The window's own
// work between the steps comes in as hooks.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/common/ListRows.h"
#include "core/common/Outcome.h"
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
struct ReverseRunHooks {
    /// The overwrite question; its answer is kept in LastAnswer.
    AskFunction ask;
    /// The program is chosen (the frame closes; request.directoryChanged
    /// tells whether the status bar needs redrawing).
    std::function<void(const RunRequest& request)> programChosen;
    /// The processor has been started: the window repaints before the wait.
    std::function<void()> waiting;
};

/// What the run did and what the window does next.
struct RunOutcome {
    /// False when no program could be taken: the program frame stays open.
    bool programChosen = false;
    /// The panel's contents after a successful run.
    std::optional<ReversePanel> panel;
    /// What to show, in order (a missing processor is followed by the
    /// failed run).
    std::vector<Outcome> notices;
};

/// The selected line of the program list ("" when none is selected), else
/// the recent program. Nothing to take: "No Program Selected !". After the
/// processor a status above 0, or a "Reverse.sht", "Reverse.trt" or program
/// that cannot be read, ends the run with "Reverse Engineering Failed" (and
/// the processor's last output lines) and leaves the current run as it was.
/// Otherwise writes "Reverse.rnd", takes the findings into the run and
/// remembers the program as the recent one.
RunOutcome RunReverse(const std::string& selectedLine, const ReverseRunHooks& hooks);

}  // namespace qv
