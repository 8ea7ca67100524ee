// Program directories with programs, drawings and companion files; the
// sub-routine folder; programs on the removable drive E:.
#include "DemoInstall.h"
#include "platform/Platform.h"
#include "sample_reverse/PunchProgram.h"
#include "sample_reverse/ReverseResult.h"
#include "sample_reverse/ReverseRun.h"

namespace qv::demo {
namespace {
std::string Folder(const std::string& machine, const std::string& directory) {
    return std::string(kProgramRoot) + machine + "\\" + directory + "\\";
}

Status WriteProgram(const std::string& folder, const std::string& name, const std::string& as = "") {
    if (Status s = MakeFolders(folder); !s) return s;
    return platform::Current().writeFile(folder + (as.empty() ? name + ".prg" : as), DemoProgram(name));
}

// The drawing the sample processor would make of the program.
Status WriteDrawingOf(const std::string& folder, const std::string& name) {
    Result<revsample::PunchProgram> program = revsample::ParsePunchProgram(DemoProgram(name));
    if (!program) return Status::Error(name + ": " + program.message());
    return revsample::WriteDrawing(folder + name + ".drw", revsample::DrawingOf(*program, name));
}

// Companion files written by the suite's other programs; their content is
// theirs, so a few readable lines stand in for it.
Status WriteCompanions(const std::string& folder, const std::string& name,
                       std::initializer_list<const char*> extensions) {
    for (const std::string extension : extensions) {
        const std::string title = extension == "inf"   ? "Set-up Sheet"
                                  : extension == "rpt" ? "Time Study"
                                  : extension == "stp" ? "Station Plan"
                                  : extension == "usr" ? "User Notes"
                                  : extension == "seq" ? "Punch Sequence"
                                                       : "Nest";
        if (Status s = WriteText(folder + name + "." + extension, {title + " : " + name, "Demo data", "******"}); !s) {
            return s;
        }
    }
    return Status::Ok();
}
}  // namespace

Status WritePrograms() {
    const std::string jobs = Folder("PUNCH1", "JOBS");
    for (const char* name : {"BRACKET", "PANEL", "COVER"}) {
        if (Status s = WriteProgram(jobs, name); !s) return s;
    }
    if (Status s = WriteDrawingOf(jobs, "BRACKET"); !s) return s;
    if (Status s = WriteCompanions(jobs, "BRACKET", {"inf", "rpt", "stp", "usr", "seq", "nst"}); !s) return s;
    if (Status s = WriteCompanions(jobs, "COVER", {"inf"}); !s) return s;
    // A drawing with no program.
    if (Status s = WriteDrawingOf(jobs, "PLATE"); !s) return s;
    if (Status s = WriteCompanions(jobs, "PLATE", {"usr", "nst"}); !s) return s;

    const std::string prototypes = Folder("PUNCH1", "PROTOTYPES");
    for (const char* name : {"PROTO1", "BROKEN"}) {
        if (Status s = WriteProgram(prototypes, name); !s) return s;
    }
    if (Status s = WriteDrawingOf(prototypes, "PROTO1"); !s) return s;
    // Never offered as a program directory.
    if (Status s = WriteProgram(Folder("PUNCH1", "EXSUBS"), "SUB1"); !s) return s;

    if (Status s = WriteProgram(Folder("PUNCH2", "JOBS"), "FLANGE"); !s) return s;
    if (Status s = WriteDrawingOf(Folder("PUNCH2", "JOBS"), "FLANGE"); !s) return s;
    return WriteProgram(Folder("PUNCHIN", "JOBS"), "INCHPART");
}

Status WriteSubRoutines() {
    const std::string folder = std::string(kDataFolder) + "RevSubs\\";
    if (Status s = WriteProgram(folder, "SUB1", "O9001.SUB"); !s) return s;
    if (Status s = WriteText(folder + "NIBBLE.SUB", {"%", "O9002 (NIBBLE)", "G91X5.", "X5.", "X5.", "M99", "%"}); !s) {
        return s;
    }
    return WriteText(folder + "LOUVRE.SUB", {"%", "O9003 (LOUVRE)", "G91Y20.", "M99", "%"});
}

Status WriteRemovableDrive() {
    const std::string root = "E:\\";
    for (const char* name : {"PART90", "PART91"}) {
        if (Status s = WriteProgram(root, name); !s) return s;
    }
    if (Status s = WriteCompanions(root, "PART91", {"inf"}); !s) return s;
    // Imported as "PART1.TAP.prg": a file with a foreign extension is a program.
    if (Status s = WriteProgram(root, "PART90", "PART1.TAP"); !s) return s;
    if (Status s = WriteText(root + "OUTLINE.DXF", {"0", "SECTION", "2", "ENTITIES", "0", "ENDSEC", "0", "EOF"}); !s) {
        return s;
    }
    return WriteProgram(root + "IMPORT\\", "PANEL", "PANEL2.prg");
}

}  // namespace qv::demo
