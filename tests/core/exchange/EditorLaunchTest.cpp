// The editor launch: the command line "Editor.cfg" or the host gives, the
// quoted path, a new file made empty, an editor that cannot be started.
#include <gtest/gtest.h>

#include <cstdlib>

#include "core/common/State.h"
#include "core/exchange/EditorLaunch.h"
#include "support/ForwardingPlatform.h"
#include "support/Sandbox.h"

namespace qv {
namespace {

// Records the programs started; "C:\NONE.EXE" is no program.
class RecordingPlatform : public test::ForwardingPlatform {
public:
    using ForwardingPlatform::ForwardingPlatform;
    std::vector<std::string> started;
    Result<std::int64_t> startProgram(const std::string& commandLine, platform::WindowState state,
                                      const std::string& outputFile) override {
        if (commandLine.rfind("C:\\NONE.EXE", 0) == 0) return Status::Error("C:\\NONE.EXE: no such program");
        started.push_back(commandLine + (state == platform::WindowState::Maximised ? " [max]" : "") + outputFile);
        return std::int64_t{42};
    }
};

struct EditorCase {
    const char* name;
    const char* configuration;  // "Editor.cfg"; nullptr: missing
    const char* visual;         // $VISUAL, $EDITOR
    const char* editor;
    std::string path;
    std::string started;  // the command line, "" for none
    std::string notice;
};

const std::string kProgram = "C:\\JOBS\\M1\\P1\\A.prg";

const EditorCase kCases[] = {
    {"an empty first line names Notepad", "\r\nC:\\EDIT.EXE\r\n", "v", "e", kProgram, "Notepad.exe " + kProgram, ""},
    {"a command without a blank gets one", "  edit\t\r\n", "v", "e", kProgram, "edit " + kProgram, ""},
    {"no file: the editor VISUAL names", nullptr, "myedit -w", "e", kProgram, "myedit -w " + kProgram, ""},
    {"no file: then the one EDITOR names", nullptr, " ", "vi", kProgram, "vi " + kProgram, ""},
    {"no file and no editor named", nullptr, "", "", kProgram, "xdg-open " + kProgram, ""},
    {"a path holding blanks is quoted", "edit\r\n", "", "", "C:\\JOBS\\M1\\MY JOBS\\A.prg",
     "edit \"C:\\JOBS\\M1\\MY JOBS\\A.prg\"", ""},
    {"an editor that cannot start", "C:\\NONE.EXE\r\n", "", "", "C:\\JOBS\\M1\\P1\\NEW.prg", "",
     "The Editor Could Not Be Started\n\n\"C:\\NONE.EXE\"\n\nC:\\NONE.EXE: no such program"},
};

TEST(EditorLaunch, StartsTheEditorOnThePath) {
    for (const EditorCase& c : kCases) {
        SCOPED_TRACE(c.name);
        test::MachineSandbox box;
        setenv("VISUAL", c.visual, 1);
        setenv("EDITOR", c.editor, 1);
        if (c.configuration) box.write("C:\\QV\\Editor.cfg", c.configuration);
        box.write(kProgram, "x");
        box.write("C:\\JOBS\\M1\\MY JOBS\\A.prg", "x");
        RecordingPlatform recording(box.platform());
        platform::ScopedPlatform use(recording);

        const Outcome outcome = LaunchEditor(c.path);
        EXPECT_EQ(outcome.message(), c.notice);
        EXPECT_EQ(recording.started,
                  c.started.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.started + " [max]"});
        // A file the editor opens exists; one made for an editor that never came is gone again.
        EXPECT_EQ(box.exists(c.path), outcome.done());
        EXPECT_EQ(outcome.done() ? box.read(c.path) : "x", "x");  // an existing file keeps its bytes
    }
    for (const char* name : {"VISUAL", "EDITOR"}) unsetenv(name);
}

}  // namespace
}  // namespace qv
