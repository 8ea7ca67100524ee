// The Win32 platform: existence, listings, drives, the working folder and
// processes. File operations and record files are in Win32Files.cpp.
#ifdef _WIN32

#include "platform/Win32Platform.h"

#include "platform/CaseFold.h"
#include "platform/CommandLine.h"
#include "platform/Wildcard.h"
#include "platform/WindowsPath.h"

namespace qv::platform {
namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

/// Keeps the "insert a disc" box away while a drive is probed.
class QuietErrors {
public:
    QuietErrors() : old_(SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX)) {}
    ~QuietErrors() { SetErrorMode(old_); }

private:
    UINT old_;
};

WORD ShowCommand(WindowState state) {
    switch (state) {
        case WindowState::Hidden: return SW_HIDE;
        case WindowState::Minimised: return SW_SHOWMINNOACTIVE;
        case WindowState::Maximised: return SW_SHOWMAXIMIZED;
        case WindowState::Normal: break;
    }
    return SW_SHOWNORMAL;
}

}  // namespace

unsigned long Win32Attributes(const std::string& path) {
    // Cut at a NUL, the path would name another file.
    if (path.empty() || HasControlCharacter(path)) return INVALID_FILE_ATTRIBUTES;
    QuietErrors quiet;
    return GetFileAttributesA(path.c_str());
}

std::string Win32ErrorText(unsigned long error) {
    switch (error) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND: return "no such file or folder";
        case ERROR_ACCESS_DENIED: return "access denied";
        case ERROR_ALREADY_EXISTS:
        case ERROR_FILE_EXISTS: return "already exists";
        case ERROR_DIR_NOT_EMPTY: return "the folder is not empty";
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL: return "the disc is full";
        case ERROR_NOT_SAME_DEVICE: return "not on the same drive";
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION: return "in use";
        case ERROR_NOT_READY: return "the drive is not ready";
        case ERROR_WRITE_PROTECT: return "the drive is read-only";
        case ERROR_INVALID_NAME: return "the name is not valid";
        case ERROR_FILENAME_EXCED_RANGE: return "the name is too long";
        case ERROR_INVALID_DRIVE: return "no such drive";
        default: break;
    }
    return "system error " + std::to_string(error);
}

ErrorKind Win32ErrorKind(unsigned long error) {
    switch (error) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_DRIVE:
        case ERROR_NOT_READY: return ErrorKind::NotFound;
        case ERROR_ACCESS_DENIED:
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
        case ERROR_WRITE_PROTECT: return ErrorKind::Denied;
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL: return ErrorKind::DiscFull;
        case ERROR_NOT_SAME_DEVICE: return ErrorKind::CrossDevice;
        case ERROR_DIRECTORY: return ErrorKind::NotAFolder;
        case ERROR_ALREADY_EXISTS:
        case ERROR_FILE_EXISTS:
        case ERROR_DIR_NOT_EMPTY: return ErrorKind::Exists;
        default: return ErrorKind::Other;
    }
}

Status Win32Status(const std::string& path, unsigned long error) {
    return Status::Error(path + ": " + Win32ErrorText(error), Win32ErrorKind(error));
}

std::string Win32StripSeparators(const std::string& path) {
    std::string out(path);
    while (out.size() > 1 && IsSeparator(out.back())) {
        if (out.size() == 3 && out[1] == ':') break;  // "C:\" stays a root
        out.pop_back();
    }
    return out;
}

std::string Win32ParentOf(const std::string& path) {
    std::string stripped = Win32StripSeparators(path);
    std::size_t cut = stripped.find_last_of("\\/");
    if (cut == std::string::npos) return stripped.size() >= 2 && stripped[1] == ':' ? stripped.substr(0, 2) : "";
    if (cut == 2 && stripped[1] == ':') return stripped.substr(0, 3);
    if (cut == 0) return stripped.substr(0, 1);
    return stripped.substr(0, cut);
}

Win32Platform::~Win32Platform() {
    for (auto& child : children_) CloseHandle(child.second);
}

bool Win32Platform::fileExists(const std::string& path) {
    DWORD a = Win32Attributes(path);
    return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY) && !IsSeparator(path.back());
}

bool Win32Platform::entryExists(const std::string& path) { return Win32Attributes(path) != INVALID_FILE_ATTRIBUTES; }

bool Win32Platform::folderExists(const std::string& path) {
    DWORD a = Win32Attributes(path);
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

std::string Win32Platform::realName(const std::string& path) {
    std::string stripped = Win32StripSeparators(path);
    if (stripped.empty() || stripped.find_first_of("*?") != std::string::npos || HasControlCharacter(path)) return "";
    if (IsSeparator(stripped.back()) || stripped.back() == ':') return "";  // a drive root
    QuietErrors quiet;
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA(stripped.c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return "";
    FindClose(find);
    return data.cFileName;
}

std::int64_t Win32Platform::fileSize(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    QuietErrors quiet;
    if (path.empty() || HasControlCharacter(path) || !GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data))
        return -1;
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return -1;
    return (static_cast<std::int64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

Result<std::vector<std::string>> Win32Platform::list(const std::string& folder, const std::string& patterns, int kinds) {
    std::vector<std::string> names;
    WildcardSet masks(patterns);
    if (masks.empty()) return names;
    if (HasControlCharacter(folder)) return names;
    // All names are read and matched here, so both hosts agree on masks and
    // 8.3 short names never match.
    std::string search = Win32StripSeparators(folder);
    if (!search.empty() && !IsSeparator(search.back()) && search.back() != ':') search += '\\';
    search += '*';
    QuietErrors quiet;
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA(search.c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND) return names;  // an empty drive root
        return Win32Status(folder, error == ERROR_PATH_NOT_FOUND ? ERROR_FILE_NOT_FOUND : error);
    }
    do {
        std::string name = data.cFileName;
        if (name == "." || name == "..") continue;
        bool isFolder = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        if (!(kinds & (isFolder ? kFolders : kFiles))) continue;
        if (masks.matches(name)) names.push_back(name);
    } while (FindNextFileA(find, &data));
    const DWORD error = GetLastError();
    FindClose(find);
    if (error != ERROR_NO_MORE_FILES) return Win32Status(folder, error);
    SortNames(names);
    return names;
}

Result<std::vector<std::string>> Win32Platform::listFiles(const std::string& folder, const std::string& patterns) {
    return list(folder, patterns, kFiles);
}

Result<std::vector<std::string>> Win32Platform::listFolders(const std::string& folder) { return list(folder, "*", kFolders); }

Result<std::vector<std::string>> Win32Platform::listEntries(const std::string& folder, const std::string& patterns) {
    return list(folder, patterns, kFiles | kFolders);
}

std::vector<char> Win32Platform::drives() {
    std::vector<char> letters;
    DWORD mask = GetLogicalDrives();
    for (int i = 0; i < 26; ++i)
        if (mask & (1u << i)) letters.push_back(static_cast<char>('A' + i));
    return letters;
}

DriveType Win32Platform::driveType(char letter) {
    char root[] = {FoldCase(letter), ':', '\\', '\0'};
    UINT type = GetDriveTypeA(root);
    return type <= DRIVE_RAMDISK ? static_cast<DriveType>(type) : DriveType::Unknown;
}

bool Win32Platform::driveReady(char letter) {
    char search[] = {FoldCase(letter), ':', '\\', '*', '.', '*', '\0'};
    QuietErrors quiet;
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA(search, &data);
    if (find != INVALID_HANDLE_VALUE) {
        FindClose(find);
        return true;
    }
    return GetLastError() == ERROR_FILE_NOT_FOUND;  // an empty disc is ready
}

std::string Win32Platform::currentFolder() {
    DWORD size = GetCurrentDirectoryA(0, nullptr);
    std::string folder(size, '\0');
    DWORD got = GetCurrentDirectoryA(size, folder.data());
    folder.resize(got < size ? got : 0);
    if (folder.empty() || !IsSeparator(folder.back())) folder += '\\';
    return folder;
}

Status Win32Platform::setCurrentFolder(const std::string& path) {
    if (HasControlCharacter(path)) return ControlCharacterStatus(path);
    DWORD a = Win32Attributes(path);
    if (a == INVALID_FILE_ATTRIBUTES) return Status::Error(path + ": no such folder", ErrorKind::NotFound);
    if (!(a & FILE_ATTRIBUTE_DIRECTORY)) return Status::Error(path + ": not a folder", ErrorKind::NotAFolder);
    if (!SetCurrentDirectoryA(path.c_str())) return Win32Status(path, GetLastError());
    return Status::Ok();
}

Result<std::int64_t> Win32Platform::startProgram(const std::string& commandLine, WindowState state,
                                                 const std::string& outputFile) {
    for (auto it = children_.begin(); it != children_.end();) {
        if (WaitForSingleObject(it->second, 0) == WAIT_OBJECT_0) {
            CloseHandle(it->second);
            it = children_.erase(it);
        } else {
            ++it;
        }
    }
    if (commandLine.find_first_not_of(" 	") == std::string::npos)
        return Status::Error(commandLine + ": no program named", ErrorKind::NotFound);
    // CreateProcessA would take the line cut at a NUL.
    for (const std::string& word : SplitCommandLine(commandLine))
        if (HasControlCharacter(word)) return ControlCharacterStatus(word);
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');  // CreateProcessA may write into the command line
    STARTUPINFOA startup;
    ZeroMemory(&startup, sizeof startup);
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = ShowCommand(state);
    HANDLE output = INVALID_HANDLE_VALUE;
    if (!outputFile.empty()) {
        SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
        output = CreateFileA(outputFile.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
        if (output == INVALID_HANDLE_VALUE) return Win32Status(outputFile, GetLastError());
        startup.dwFlags |= STARTF_USESTDHANDLES;
        startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
        startup.hStdOutput = output;
        startup.hStdError = output;
    }
    PROCESS_INFORMATION info;
    ZeroMemory(&info, sizeof info);
    const BOOL started = CreateProcessA(nullptr, line.data(), nullptr, nullptr, output != INVALID_HANDLE_VALUE, 0,
                                        nullptr, nullptr, &startup, &info);
    const DWORD error = GetLastError();
    if (output != INVALID_HANDLE_VALUE) CloseHandle(output);
    if (!started) return Win32Status(commandLine, error);
    CloseHandle(info.hThread);
    children_[info.dwProcessId] = info.hProcess;
    return static_cast<std::int64_t>(info.dwProcessId);
}

ProcessHandle Win32Platform::openProcess(std::int64_t processId) {
    if (processId <= 0) return 0;
    HANDLE handle = OpenProcess(SYNCHRONIZE, FALSE, static_cast<DWORD>(processId));
    if (!handle) return 0;
    opened_[reinterpret_cast<ProcessHandle>(handle)] = processId;
    return reinterpret_cast<ProcessHandle>(handle);
}

void Win32Platform::waitForProcess(ProcessHandle handle) {
    if (handle) WaitForSingleObject(reinterpret_cast<HANDLE>(handle), INFINITE);
}

void Win32Platform::closeProcess(ProcessHandle handle) {
    if (!handle) return;
    // GetProcessId needs a query right that a synchronise-only handle lacks,
    // so the process is known by what openProcess noted.
    auto opened = opened_.find(handle);
    if (opened != opened_.end()) {
        auto it = children_.find(opened->second);
        if (it != children_.end()) {
            CloseHandle(it->second);
            children_.erase(it);
        }
        opened_.erase(opened);
    }
    CloseHandle(reinterpret_cast<HANDLE>(handle));
}

void Win32Platform::beep() { MessageBeep(MB_OK); }

std::string Win32Platform::hostPath(const std::string& path) {
    if (path.empty() || HasControlCharacter(path)) return "";
    if (path.size() >= 2 && path[1] == ':') {
        char root[] = {FoldCase(path[0]), ':', '\\', '\0'};
        if (GetDriveTypeA(root) == DRIVE_NO_ROOT_DIR) return "";
    }
    DWORD size = GetFullPathNameA(path.c_str(), 0, nullptr, nullptr);
    if (size == 0) return "";
    std::string full(size, '\0');
    DWORD got = GetFullPathNameA(path.c_str(), size, full.data(), nullptr);
    full.resize(got < size ? got : 0);
    return full;
}

std::unique_ptr<Platform> MakeHostPlatform() { return std::make_unique<Win32Platform>(); }

}  // namespace qv::platform

#endif  // _WIN32
