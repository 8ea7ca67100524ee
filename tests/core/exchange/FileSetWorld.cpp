// Temporary drives and snapshots for the file-set tests.
#include "FileSetWorld.h"

#include <algorithm>
#include <filesystem>

#include "core/common/State.h"

namespace fs = std::filesystem;

namespace qv::test {

FileSetWorld::FileSetWorld() {
    fs::create_directories(root_ / "C");
    fs::create_directories(root_ / "D");
    WriteHostFile(root_ / "Drives.cfg",
                  "C, " + (root_ / "C") + ", fixed\nD, " + (root_ / "D") + ", fixed\n");
    platform_ = std::make_unique<platform::PosixPlatform>(root_ / "Drives.cfg");
    scope_ = std::make_unique<platform::ScopedPlatform>(*platform_);
    savedMachineFolder_ = State().Mach.MachineFolder;
    State().Mach.MachineFolder = "M1";
    for (const char* folder : {kJobs, kParts, kForeign, kOtherDriveOwn, kOtherDriveForeign, kExchange})
        fs::create_directories(hostPath(folder));
}

FileSetWorld::~FileSetWorld() {
    State().Mach.MachineFolder = savedMachineFolder_;
    scope_.reset();
}

std::string SnapshotKey(const std::string& windowsPath) {
    std::string key;
    key += windowsPath.at(0);
    for (std::size_t i = 2; i < windowsPath.size(); ++i) key += windowsPath[i] == '\\' ? '/' : windowsPath[i];
    return key;
}

std::string FileSetWorld::hostPath(const std::string& windowsPath) const { return root_ / SnapshotKey(windowsPath); }

void FileSetWorld::put(const std::string& windowsPath, const std::string& bytes) {
    WriteHostFile(hostPath(windowsPath), bytes);
}

void FileSetWorld::putFiles(const std::string& folder, const std::vector<std::string>& names,
                            const std::string& prefix) {
    for (const std::string& name : names) put(folder + name, Bytes(prefix, name));
}

bool FileSetWorld::exists(const std::string& windowsPath) const { return fs::exists(hostPath(windowsPath)); }

std::string FileSetWorld::read(const std::string& windowsPath) const { return ReadHostFile(hostPath(windowsPath)); }

std::vector<std::string> FileSetWorld::names(const std::string& folder) const {
    std::vector<std::string> out;
    for (const auto& entry : fs::directory_iterator(hostPath(folder))) out.push_back(entry.path().filename().string());
    std::sort(out.begin(), out.end());
    return out;
}

Snapshot FileSetWorld::snapshot() const {
    Snapshot out;
    for (const char* drive : {"C", "D"}) {
        for (const auto& entry : fs::recursive_directory_iterator(root_ / drive)) {
            if (!entry.is_regular_file()) continue;
            const std::string key = fs::relative(entry.path(), root_.path()).generic_string();
            out[key] = ReadHostFile(entry.path().string());
        }
    }
    return out;
}

std::string Bytes(const std::string& prefix, const std::string& name) {
    std::string bytes = prefix + " " + name + "\r\n";
    bytes += std::string("\0\x1a\xff\n\r", 5);
    // Sizes differ from file to file, so a short copy cannot pass unseen.
    bytes += std::string(name.size() * 37 + prefix.size() * 11, static_cast<char>('a' + name.size() % 26));
    return bytes;
}

std::vector<std::string> StagingLeftovers(const Snapshot& snapshot) {
    std::vector<std::string> out;
    for (const auto& [key, bytes] : snapshot) {
        const std::string name = key.substr(key.rfind('/') + 1);
        if (name.rfind("~qv", 0) == 0 || name.rfind(".~qv", 0) == 0) out.push_back(key);
    }
    return out;
}

}  // namespace qv::test
