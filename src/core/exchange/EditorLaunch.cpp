// Starting the external editor.
#include "core/exchange/EditorLaunch.h"

#include "core/common/State.h"
#include "core/common/Text.h"
#include "core/common/TextFile.h"
#include "platform/HostEditor.h"
#include "platform/Platform.h"

namespace qv {

std::string EditorConfigurationPath() { return State().Config.SystemFolder + "Editor.cfg"; }

std::string EditorCommand() {
    Result<std::vector<std::string>> lines = ReadLines(EditorConfigurationPath());
    if (!lines.ok()) return platform::HostEditorCommand();
    const std::string line = lines->empty() ? std::string() : Trim(lines->front());
    if (line.empty()) return "Notepad.exe ";
    const std::size_t blank = line.find(' ');
    return blank == std::string::npos ? line + " " : line.substr(0, blank + 1);
}

std::string EditorCommandLine(const std::string& command, const std::string& path) {
    return command + (path.find(' ') == std::string::npos ? path : "\"" + path + "\"");
}

Outcome LaunchEditor(const std::string& path) {
    platform::Platform& fs = platform::Current();
    const bool made = !fs.fileExists(path);
    if (made) {
        if (Status s = fs.writeFile(path, std::string()); !s) return Outcome::Failed(s);
    }
    const std::string command = EditorCommand();
    Result<std::int64_t> started =
        fs.startProgram(EditorCommandLine(command, path), platform::WindowState::Maximised, "");
    if (started.ok()) return Outcome::Done();
    // No editor will ever open it: an empty file made only for it would stay behind.
    if (made) (void)fs.deleteFile(path);
    return Outcome::Failed("The Editor Could Not Be Started\n\n\"" + Trim(command) + "\"\n\n" + started.message(),
                           started.kind());
}

}  // namespace qv
