// The configuration step of start-up.
#include "core/startup/SystemConfiguration.h"

#include "core/common/State.h"
#include "core/common/SystemConfigurationFile.h"
#include "core/common/Text.h"
#include "core/startup/InstallationFiles.h"
#include "core/startup/MachineList.h"
#include "core/startup/Manuals.h"
#include "core/startup/ReverseList.h"
#include "platform/Platform.h"

namespace qv {

Status ReadSystemConfiguration() {
    if (Status read = ReadSystemConfigurationFile(); !read) return read;
    auto& config = State().Config;
    auto& host = platform::Current();

    config.ReverseSubsFolder = config.DataFolder + "RevSubs\\";
    config.ExchangeFolder = Trim(config.SystemFolder.substr(0, 3));
    config.FullSuite = host.fileExists(config.SystemFolder + "Quordrw.exe") &&
                       host.fileExists(config.SystemFolder + "Quorprg.exe");
    config.ReverseInstalled =
        config.FullSuite && host.fileExists(config.SystemFolder + "Quorrvs.exe");

    if (Status machines = LoadMachineTable(); !machines) return machines;
    if (config.ReverseInstalled) {
        if (Status processors = LoadReverseTable(); !processors) return processors;
    } else {
        config.ReverseTable.clear();
    }

    CopyDefaultData();
    CreateSuiteFolders();
    LocateManuals();
    return Status::Ok();
}

void CopyDefaultData() {
    auto& host = platform::Current();
    const std::string data = State().Config.DataFolder + "Data\\";
    if (host.entryExists(data + "Default")) return;
    if (!host.makeFolder(data + "Default")) return;
    for (const auto& name : host.listFiles(data, "*.*").value_or({}))
        (void)host.copyFile(data + name, data + "Default\\" + name);
}

void CreateSuiteFolders() {
    const auto& config = State().Config;
    if (!config.FullSuite) return;
    MakeFolderIfMissing(config.DataFolder + "Blocks");
    MakeFolderIfMissing(config.DataFolder + "Material");
    if (config.ReverseInstalled) MakeFolderIfMissing(config.DataFolder + "RevSubs");
    MakeFolderIfMissing(config.SystemFolder + "Undo");
}

}  // namespace qv
