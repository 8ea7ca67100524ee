// Reader and writer of "Quorvane.cfg".
#include "core/common/SystemConfigurationFile.h"

#include "core/common/NumberText.h"
#include "core/common/Numbers.h"
#include "core/common/State.h"
#include "core/common/Text.h"
#include "core/common/TextFile.h"
#include "platform/Platform.h"

namespace qv {
namespace {

std::string WithFinalBackslash(std::string folder) {
    if (folder.empty() || folder.back() != '\\') folder += '\\';
    return folder;
}

std::string LineOrEmpty(const std::vector<std::string>& lines, std::size_t index) {
    return index < lines.size() ? Trim(lines[index]) : std::string();
}

Status ConfigurationError(const std::string& reason) {
    return Status::Error("The system configuration \"" + std::string(SystemConfigurationName) +
                         "\" in the working folder \"" + platform::Current().currentFolder() +
                         "\" " + reason +
                         " Quorvane is to be started with the system folder as its working folder.");
}

const char* const FolderLineNames[3] = {"system folder", "data folder", "program root folder"};

}  // namespace

Result<SystemConfigurationValues> ReadSystemConfigurationValues() {
    auto lines = ReadLines(SystemConfigurationName);
    if (!lines) {
        if (!platform::Current().fileExists(SystemConfigurationName))
            return ConfigurationError("is missing.");
        return ConfigurationError("cannot be read (" + lines.message() + ").");
    }

    // The three folders are the installation; without them nothing can be found.
    for (std::size_t i = 0; i < 3; ++i) {
        if (LineOrEmpty(*lines, i).empty())
            return ConfigurationError("has no " + std::string(FolderLineNames[i]) + " on line " +
                                      NumberText(static_cast<std::int64_t>(i + 1)) + ".");
    }

    SystemConfigurationValues values;
    values.SystemFolder = WithFinalBackslash(LineOrEmpty(*lines, 0));
    values.DataFolder = WithFinalBackslash(LineOrEmpty(*lines, 1));
    values.MachineRoot = WithFinalBackslash(LineOrEmpty(*lines, 2));
    std::int16_t machine = RoundToInt16(LeadingNumber(LineOrEmpty(*lines, 3)));
    values.SelectedMachine = machine < 1 ? std::int16_t{1} : machine;
    values.CurrentDirectory = LineOrEmpty(*lines, 4);
    if (HasColon(values.CurrentDirectory)) values.CurrentDirectory.clear();
    return values;
}

Status ReadSystemConfigurationFile() {
    auto values = ReadSystemConfigurationValues();
    if (!values) return values.status();
    auto& config = State().Config;
    config.SystemFolder = values->SystemFolder;
    config.DataFolder = values->DataFolder;
    config.MachineRoot = values->MachineRoot;
    config.SelectedMachine = values->SelectedMachine;
    config.CurrentDirectory = values->CurrentDirectory;
    return Status::Ok();
}

Status WriteSystemConfiguration() {
    const auto& config = State().Config;
    // A number is printed with a blank where a plus sign would go.
    std::string number = NumberText(config.SelectedMachine);
    if (config.SelectedMachine >= 0) number = " " + number;
    return WriteLines(config.SystemFolder + SystemConfigurationName,
                      {config.SystemFolder, config.DataFolder, config.MachineRoot, number,
                       config.CurrentDirectory, "******"});
}

}  // namespace qv
