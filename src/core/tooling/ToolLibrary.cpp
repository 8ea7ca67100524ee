// Choosing the tool library, creating its missing companion files, and
// reading entries from its shape files.
#include "core/tooling/ToolLibrary.h"

#include <algorithm>

#include "core/common/State.h"
#include "core/common/Text.h"
#include "core/tooling/ShapeTable.h"
#include "core/tooling/ToolingState.h"
#include "platform/Platform.h"

namespace qv {

const char* const FullLibraryName = "Full Library";

namespace {

std::string WithoutExtension(const std::string& name) {
    const std::size_t dot = name.rfind('.');
    return Trim(dot == std::string::npos ? name : name.substr(0, dot));
}

// The library named by the material when its list file exists, else "Full
// Library", else the first list file of the tool folder.
std::string ChooseLibrary(const std::string& tools, const std::string& wanted) {
    platform::Platform& fs = platform::Current();
    if (!wanted.empty() && fs.fileExists(tools + wanted + ".lkp")) return wanted;
    if (fs.fileExists(tools + FullLibraryName + ".lkp")) return FullLibraryName;
    const std::vector<std::string> lists = fs.listFiles(tools, "*.lkp").value_or({});
    const std::string first = lists.empty() ? std::string() : WithoutExtension(lists.front());
    return first.empty() ? std::string(FullLibraryName) : first;
}

// Opening the defaults file creates it for the library editor; its records
// belong to that editor, so a record that cannot be read is left as it is.
void TouchLibraryDefaults(const std::string& path) {
    auto file = platform::Current().openRecordFile(path, LibraryDefaultsRecordSize, true);
    if (!file) return;
    const std::int64_t count = std::min<std::int64_t>((*file)->recordCount(), 4);
    std::string record;
    for (std::int64_t n = 1; n <= count; ++n)
        if (!(*file)->read(n, record)) break;
}

}  // namespace

std::string ToolFolder() {
    return State().Config.DataFolder + "Tools\\" + State().Mach.MachineFolder + "\\";
}

std::string TurretFolder() {
    return State().Config.DataFolder + "Turrets\\" + State().Mach.MachineFolder + "\\";
}

std::string LibraryListText() { return "******\r\n"; }

std::string TurretLayoutText(std::int16_t stations) {
    std::string text;
    for (int i = 1; i <= stations; ++i) text += std::to_string(i) + ", , , 0, 0, 0, 0, , 0\r\n";
    return text + "******\r\n";
}

void PrepareToolLibrary() {
    ToolingState& tooling = Tooling();
    const std::string tools = ToolFolder();
    if (!State().Mach.PunchMachine) {
        tooling.ToolLibraryPrefix = tools + tooling.ToolLibraryName + ".";
        return;
    }
    const std::string library = ChooseLibrary(tools, Trim(tooling.ToolLibraryName));
    tooling.ToolLibraryName = library;
    tooling.ToolLibraryPrefix = tools + library + ".";

    const std::string turrets = TurretFolder();
    const std::string list = LibraryListText();
    const std::string layout = TurretLayoutText(State().Mach.MachineValue3);
    const std::pair<std::string, const std::string*> created[] = {
        {tools + FullLibraryName + ".lkp", &list},  {tools + library + ".lkp", &list},
        {turrets + library + ".lkp", &list},        {turrets + library + ".0", &layout},
        {turrets + FullLibraryName + ".lkp", &list}, {turrets + FullLibraryName + ".0", &layout},
    };
    platform::Platform& fs = platform::Current();
    for (const auto& [path, content] : created) {
        if (fs.fileExists(path)) continue;
        (void)fs.writeFile(path, *content);  // a failed file is skipped; the rest still come
    }
    TouchLibraryDefaults(tools + library + ".dft");
}

std::vector<LibraryEntry> ReadShapeFile(char letter) {
    std::vector<LibraryEntry> entries;
    const std::string& prefix = Tooling().ToolLibraryPrefix;
    // Without a prepared library there is no folder to look in.
    if (!IsPunchShape(letter) || prefix.empty()) return entries;
    auto file = platform::Current().openRecordFile(prefix + letter, ShapeRecordSize, true);
    if (!file) return entries;
    const std::int64_t count = std::min<std::int64_t>((*file)->recordCount(), INT32_MAX);
    std::string record;
    for (std::int64_t n = 1; n <= count; ++n) {
        if (!(*file)->read(n, record)) break;
        Result<LibraryEntry> entry = DecodeShapeRecord(record, static_cast<std::int32_t>(n));
        if (entry && IsLiveEntry(*entry, letter)) entries.push_back(std::move(*entry));
    }
    return entries;
}

std::optional<LibraryEntry> ReadLibraryRecord(char letter, std::int32_t n) {
    const std::string& prefix = Tooling().ToolLibraryPrefix;
    if (!IsPunchShape(letter) || prefix.empty() || n < 1) return std::nullopt;
    auto file = platform::Current().openRecordFile(prefix + letter, ShapeRecordSize, false);
    if (!file) return std::nullopt;
    std::string record;
    if (!(*file)->read(n, record)) return std::nullopt;
    Result<LibraryEntry> entry = DecodeShapeRecord(record, n);
    if (!entry) return std::nullopt;
    return std::move(*entry);
}

}  // namespace qv
