// The host side of making a demo: target folder, drive map, processor copies.
#include "DemoTarget.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace fs = std::filesystem;

namespace qv::demo {
namespace {
Status HostError(const fs::path& path, const std::error_code& ec) {
    return Status::Error(path.string() + ": " + ec.message());
}

Status WriteHostText(const fs::path& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
    out.close();
    if (!out) return Status::Error(path.string() + ": cannot be written");
    return Status::Ok();
}
}  // namespace

Status PrepareTarget(const std::string& target, bool replace) {
    const fs::path root(target);
    std::error_code ec;
    if (fs::exists(root, ec)) {
        if (!fs::is_directory(root, ec)) return Status::Error(target + " exists and is not a folder");
        const bool empty = fs::is_empty(root, ec);
        if (ec) return HostError(root, ec);
        if (!empty) {
            const bool ours = fs::exists(root / kMarkerName, ec);
            if (ec) return HostError(root / kMarkerName, ec);
            if (!ours) {
                return Status::Error(target +
                                     " is not empty and was not made by quorvane-demo; nothing was written. "
                                     "Choose a new or empty folder.");
            }
            if (!replace) {
                return Status::Error(target +
                                     " already holds a demo installation; nothing was written. "
                                     "Pass --replace to write it afresh (everything in that folder is removed).");
            }
            for (const fs::directory_entry& entry : fs::directory_iterator(root, ec)) {
                fs::remove_all(entry.path(), ec);
                if (ec) return HostError(entry.path(), ec);
            }
            if (ec) return HostError(root, ec);
        }
    }
    fs::create_directories(root, ec);
    if (ec) return HostError(root, ec);
    return WriteHostText(root / kMarkerName, "Made by quorvane-demo; --replace may empty this folder.\n");
}

Status WriteDriveMap(const std::string& target) {
    std::error_code ec;
    const fs::path root = fs::absolute(target, ec);
    if (ec) return HostError(target, ec);
    const fs::path c = root / "C";
    const fs::path e = root / "E";
    for (const fs::path& folder : {c / "QUORVANE", e}) {
        fs::create_directories(folder, ec);
        if (ec) return HostError(folder, ec);
    }
    const std::string text = "; Drive letters of the demo installation: letter, host folder, type\n"
                             "C, " + c.lexically_normal().string() + ", fixed\n"
                             "E, " + e.lexically_normal().string() + ", removable\n";
    return WriteHostText(c / "QUORVANE" / "Drives.cfg", text);
}

Status CopyProcessor(const std::string& processor, const std::string& systemFolderHost) {
    // The system starts SystemFolder & name & ".exe"; the host platform
    // falls back to the name without ".exe".
    for (const char* name : {"REVISO", "REVFANUC"}) {
        const fs::path to = fs::path(systemFolderHost) / name;
        std::error_code ec;
        fs::copy_file(processor, to, fs::copy_options::overwrite_existing, ec);
        if (ec) return Status::Error(processor + " -> " + to.string() + ": " + ec.message());
        fs::permissions(to, fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec,
                        fs::perm_options::add, ec);
        if (ec) return HostError(to, ec);
    }
    return Status::Ok();
}

std::string ProcessorBeside(const std::string& argv0) {
    std::error_code ec;
    fs::path self = fs::read_symlink("/proc/self/exe", ec);
    if (ec) self = fs::absolute(argv0, ec);
    const fs::path candidate = self.parent_path() / "revsample";
    return fs::is_regular_file(candidate, ec) ? candidate.string() : std::string();
}

std::string EditorCommand() {
    const char* path = std::getenv("PATH");
    std::string folders = path ? path : "";
    std::size_t start = 0;
    while (start <= folders.size()) {
        const std::size_t end = std::min(folders.find(':', start), folders.size());
        const fs::path candidate = fs::path(folders.substr(start, end - start)) / "xdg-open";
        std::error_code ec;
        if (end > start && fs::is_regular_file(candidate, ec)) return "xdg-open ";
        start = end + 1;
    }
    return "Notepad.exe ";
}

}  // namespace qv::demo
