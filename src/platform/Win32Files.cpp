// File and folder operations, whole files and record files over Win32.
#ifdef _WIN32

#include <atomic>
#include <cstdio>

#include "platform/CaseFold.h"
#include "platform/RecordMessages.h"
#include "platform/Win32Platform.h"
#include "platform/WindowsPath.h"

namespace qv::platform {
namespace {

std::atomic<unsigned> g_tempCounter{0};

bool IsFolderAttr(DWORD a) { return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY); }
bool IsFileAttr(DWORD a) { return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY); }

bool ParentExists(const std::string& path) {
    std::string parent = Win32ParentOf(path);
    return parent.empty() || IsFolderAttr(Win32Attributes(parent));
}

bool IsDriveRoot(const std::string& path) {
    std::string s = Win32StripSeparators(path);
    return (s.size() == 2 && s[1] == ':') || (s.size() == 3 && s[1] == ':');
}

std::string TempBeside(const std::string& target) {
    std::string parent = Win32ParentOf(target);
    if (!parent.empty() && parent.back() != '\\' && parent.back() != '/' && parent.back() != ':') parent += '\\';
    return parent + "~qv" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(g_tempCounter++) + ".tmp";
}

/// MoveFileExA, tried again while a virus scanner or indexer holds the file.
bool MoveWithRetry(const std::string& from, const std::string& to, DWORD flags, DWORD& error) {
    static const DWORD kDelays[] = {0, 1, 10, 20, 40};
    for (DWORD delay : kDelays) {
        if (delay) Sleep(delay);
        if (MoveFileExA(from.c_str(), to.c_str(), flags)) return true;
        error = GetLastError();
        if (error != ERROR_ACCESS_DENIED && error != ERROR_SHARING_VIOLATION && error != ERROR_LOCK_VIOLATION)
            return false;
    }
    return false;
}

bool SameFullPath(const std::string& a, const std::string& b) {
    char fa[MAX_PATH], fb[MAX_PATH];
    DWORD la = GetFullPathNameA(a.c_str(), MAX_PATH, fa, nullptr);
    DWORD lb = GetFullPathNameA(b.c_str(), MAX_PATH, fb, nullptr);
    return la && lb && la < MAX_PATH && lb < MAX_PATH && EqualCaseBlind(Win32StripSeparators(fa), Win32StripSeparators(fb));
}

/// Puts a finished temporary file in place of target; the temporary file is
/// removed unless it is the only copy left of the content.
Status CommitTemp(const std::string& temp, const std::string& target) {
    const DWORD flags = MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH;
    DWORD error = 0;
    if (IsFileAttr(Win32Attributes(target)) &&
        ReplaceFileA(target.c_str(), temp.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr))
        return Status::Ok();
    if (MoveWithRetry(temp, target, flags, error)) return Status::Ok();
    if (Win32Attributes(target) == INVALID_FILE_ATTRIBUTES && Win32Attributes(temp) != INVALID_FILE_ATTRIBUTES)
        return Status::Error(target + ": cannot replace the file (" + Win32ErrorText(error) + "); the new content is in " + temp, Win32ErrorKind(error));
    // A copy of a read-only file is read-only too and would refuse to go.
    SetFileAttributesA(temp.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(temp.c_str());
    return Status::Error(target + ": cannot replace the file: " + Win32ErrorText(error), Win32ErrorKind(error));
}

bool WriteAll(HANDLE h, const char* data, std::size_t size, DWORD& error) {
    while (size > 0) {
        DWORD chunk = size > (1u << 30) ? (1u << 30) : static_cast<DWORD>(size);
        DWORD done = 0;
        if (!WriteFile(h, data, chunk, &done, nullptr)) {
            error = GetLastError();
            return false;
        }
        if (done == 0) {
            error = ERROR_DISK_FULL;
            return false;
        }
        data += done;
        size -= done;
    }
    return true;
}

/// Lifts a file's read-only attribute while it lives; put back by restore()
/// or at the end, unless the file is gone.
class ReadOnlyLifted {
public:
    ReadOnlyLifted(const std::string& path, DWORD attributes) : path_(path), attributes_(attributes) {
        if (!(attributes & FILE_ATTRIBUTE_READONLY)) return;
        DWORD plain = attributes & ~static_cast<DWORD>(FILE_ATTRIBUTE_READONLY);
        if (!SetFileAttributesA(path.c_str(), plain ? plain : FILE_ATTRIBUTE_NORMAL)) error_ = GetLastError();
        else lifted_ = true;
    }
    ~ReadOnlyLifted() { restore(); }
    ReadOnlyLifted(const ReadOnlyLifted&) = delete;
    ReadOnlyLifted& operator=(const ReadOnlyLifted&) = delete;

    bool ok() const { return error_ == 0; }
    DWORD error() const { return error_; }
    void deleted() { lifted_ = false; }
    bool restore() {
        if (!lifted_) return true;
        lifted_ = false;
        if (SetFileAttributesA(path_.c_str(), attributes_)) return true;
        error_ = GetLastError();
        return false;
    }

private:
    std::string path_;
    DWORD attributes_;
    bool lifted_ = false;
    DWORD error_ = 0;
};

class Win32RecordFile : public RecordFile {
public:
    Win32RecordFile(HANDLE h, std::string path, std::size_t length, bool writable)
        : h_(h), path_(std::move(path)), length_(length), writable_(writable) {}
    ~Win32RecordFile() override { CloseHandle(h_); }

    std::size_t recordLength() const override { return length_; }

    std::int64_t recordCount() override {
        LARGE_INTEGER size;
        if (!GetFileSizeEx(h_, &size)) return 0;
        return size.QuadPart / static_cast<std::int64_t>(length_);
    }

    Status read(std::int64_t n, std::string& out) override {
        if (n < 1) return RecordNumberStatus(path_, n);
        std::int64_t count = recordCount();
        if (n > count) return RecordPastEndStatus(path_, n, count);
        std::string buffer(length_, '\0');
        std::size_t got = 0;
        while (got < length_) {
            OVERLAPPED at = offset(n, got);
            DWORD done = 0;
            if (!ReadFile(h_, &buffer[got], static_cast<DWORD>(length_ - got), &done, &at))
                return Status::Error(path_ + ": record " + std::to_string(n) + " cannot be read: " + Win32ErrorText(GetLastError()), Win32ErrorKind(GetLastError()));
            if (done == 0) return RecordPastEndStatus(path_, n, recordCount());
            got += done;
        }
        out = std::move(buffer);
        return Status::Ok();
    }

    Status write(std::int64_t n, const std::string& data) override {
        if (n < 1) return RecordNumberStatus(path_, n);
        if (data.size() > length_) return RecordTooLongStatus(path_, n, data.size(), length_);
        if (!writable_) return Status::Error(path_ + ": record " + std::to_string(n) + " cannot be written: the file is read-only");
        std::string record(data);
        record.resize(length_, '\0');
        std::size_t put = 0;
        while (put < length_) {
            OVERLAPPED at = offset(n, put);
            DWORD done = 0;
            if (!WriteFile(h_, record.data() + put, static_cast<DWORD>(length_ - put), &done, &at) || done == 0)
                return Status::Error(path_ + ": record " + std::to_string(n) + " cannot be written: " + Win32ErrorText(GetLastError()), Win32ErrorKind(GetLastError()));
            put += done;
        }
        return Status::Ok();
    }

    Status sync() override {
        if (!FlushFileBuffers(h_)) return Status::Error(path_ + ": cannot flush to the disc: " + Win32ErrorText(GetLastError()), Win32ErrorKind(GetLastError()));
        return Status::Ok();
    }

private:
    OVERLAPPED offset(std::int64_t n, std::size_t within) const {
        std::uint64_t at = static_cast<std::uint64_t>(n - 1) * length_ + within;
        OVERLAPPED o;
        ZeroMemory(&o, sizeof o);
        o.Offset = static_cast<DWORD>(at & 0xffffffffu);
        o.OffsetHigh = static_cast<DWORD>(at >> 32);
        return o;
    }

    HANDLE h_;
    std::string path_;
    std::size_t length_;
    bool writable_;
};

}  // namespace

Status Win32Platform::copyFile(const std::string& from, const std::string& to) {
    if (HasControlCharacter(from)) return ControlCharacterStatus(from);
    if (HasControlCharacter(to)) return ControlCharacterStatus(to);
    DWORD src = Win32Attributes(from);
    if (src == INVALID_FILE_ATTRIBUTES) return Status::Error(from + ": no such file", ErrorKind::NotFound);
    if (src & FILE_ATTRIBUTE_DIRECTORY) return Status::Error(from + ": not a file", ErrorKind::NotAFolder);
    if (IsFolderAttr(Win32Attributes(to))) return Status::Error(to + ": a folder of that name exists", ErrorKind::NotAFolder);
    if (!ParentExists(to)) return Status::Error(to + ": the folder does not exist", ErrorKind::NotFound);
    std::string temp = TempBeside(to);
    if (!CopyFileA(from.c_str(), temp.c_str(), TRUE)) {
        DWORD error = GetLastError();
        DeleteFileA(temp.c_str());
        return Win32Status(to, error);
    }
    // Not flushed: the source stays, and a caller that deletes it syncs first.
    return CommitTemp(temp, to);
}

Status Win32Platform::syncFile(const std::string& path) {
    if (HasControlCharacter(path)) return ControlCharacterStatus(path);
    DWORD a = Win32Attributes(path);
    if (a == INVALID_FILE_ATTRIBUTES) return Status::Error(path + ": no such file", ErrorKind::NotFound);
    if (a & FILE_ATTRIBUTE_DIRECTORY) return Status::Error(path + ": not a file", ErrorKind::NotAFolder);
    // FlushFileBuffers needs write access, which a read-only file refuses (a
    // copy made by CopyFileA keeps that attribute): it is lifted for the
    // flush and put back. NTFS journals the name itself.
    ReadOnlyLifted lifted(path, a);
    if (!lifted.ok()) return Win32Status(path, lifted.error());
    HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return Win32Status(path, GetLastError());
    const bool flushed = FlushFileBuffers(h) != 0;
    const DWORD error = flushed ? 0 : GetLastError();
    CloseHandle(h);
    if (!flushed) return Status::Error(path + ": cannot flush to the disc: " + Win32ErrorText(error), Win32ErrorKind(error));
    if (!lifted.restore()) return Status::Error(path + ": cannot make it read-only again: " + Win32ErrorText(lifted.error()), Win32ErrorKind(lifted.error()));
    return Status::Ok();
}

Status Win32Platform::renameFile(const std::string& from, const std::string& to) {
    if (HasControlCharacter(from)) return ControlCharacterStatus(from);
    if (HasControlCharacter(to)) return ControlCharacterStatus(to);
    DWORD src = Win32Attributes(from);
    if (src == INVALID_FILE_ATTRIBUTES) return Status::Error(from + ": no such file", ErrorKind::NotFound);
    if (src & FILE_ATTRIBUTE_DIRECTORY) return Status::Error(from + ": not a file", ErrorKind::NotAFolder);
    if (IsFolderAttr(Win32Attributes(to))) return Status::Error(to + ": a folder of that name exists", ErrorKind::NotAFolder);
    if (!ParentExists(to)) return Status::Error(to + ": the folder does not exist", ErrorKind::NotFound);
    DWORD error = 0;
    if (!MoveWithRetry(from, to, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH, error))
        return Status::Error(from + ": cannot move to " + to + ": " + Win32ErrorText(error), Win32ErrorKind(error));
    return Status::Ok();
}

Status Win32Platform::renameFolder(const std::string& from, const std::string& to) {
    if (HasControlCharacter(from)) return ControlCharacterStatus(from);
    if (HasControlCharacter(to)) return ControlCharacterStatus(to);
    DWORD src = Win32Attributes(from);
    if (src == INVALID_FILE_ATTRIBUTES) return Status::Error(from + ": no such folder", ErrorKind::NotFound);
    if (!(src & FILE_ATTRIBUTE_DIRECTORY)) return Status::Error(from + ": not a folder", ErrorKind::NotAFolder);
    if (IsDriveRoot(from)) return Status::Error(from + ": a drive's root cannot be renamed");
    if (Win32Attributes(to) != INVALID_FILE_ATTRIBUTES && !SameFullPath(from, to))
        return Status::Error(to + ": already exists", ErrorKind::Exists);
    if (!ParentExists(to)) return Status::Error(to + ": the folder does not exist", ErrorKind::NotFound);
    DWORD error = 0;
    if (!MoveWithRetry(Win32StripSeparators(from), Win32StripSeparators(to), 0, error))
        return Status::Error(from + ": cannot move to " + to + ": " + Win32ErrorText(error), Win32ErrorKind(error));
    return Status::Ok();
}

Status Win32Platform::deleteFile(const std::string& path) {
    if (HasControlCharacter(path)) return ControlCharacterStatus(path);
    DWORD a = Win32Attributes(path);
    if (a == INVALID_FILE_ATTRIBUTES) return Status::Error(path + ": no such file", ErrorKind::NotFound);
    if (a & FILE_ATTRIBUTE_DIRECTORY) return Status::Error(path + ": not a file", ErrorKind::NotAFolder);
    // As on POSIX, where the folder decides: a read-only file goes too.
    ReadOnlyLifted lifted(path, a);
    if (!lifted.ok()) return Win32Status(path, lifted.error());
    if (!DeleteFileA(path.c_str())) return Win32Status(path, GetLastError());
    lifted.deleted();
    return Status::Ok();
}

Status Win32Platform::makeFolder(const std::string& path) {
    if (HasControlCharacter(path)) return ControlCharacterStatus(path);
    if (Win32Attributes(path) != INVALID_FILE_ATTRIBUTES) return Status::Error(path + ": already exists", ErrorKind::Exists);
    if (!ParentExists(path)) return Status::Error(path + ": the folder above it does not exist", ErrorKind::NotFound);
    if (!CreateDirectoryA(Win32StripSeparators(path).c_str(), nullptr)) return Win32Status(path, GetLastError());
    return Status::Ok();
}

Status Win32Platform::removeFolder(const std::string& path) {
    if (HasControlCharacter(path)) return ControlCharacterStatus(path);
    DWORD a = Win32Attributes(path);
    if (a == INVALID_FILE_ATTRIBUTES) return Status::Error(path + ": no such folder", ErrorKind::NotFound);
    if (!(a & FILE_ATTRIBUTE_DIRECTORY)) return Status::Error(path + ": not a folder", ErrorKind::NotAFolder);
    if (IsDriveRoot(path)) return Status::Error(path + ": a drive's root cannot be removed");
    if (!RemoveDirectoryA(Win32StripSeparators(path).c_str())) return Win32Status(path, GetLastError());
    return Status::Ok();
}

Result<std::string> Win32Platform::readFile(const std::string& path) {
    if (HasControlCharacter(path)) return ControlCharacterStatus(path);
    DWORD a = Win32Attributes(path);
    if (a == INVALID_FILE_ATTRIBUTES) return Status::Error(path + ": no such file", ErrorKind::NotFound);
    if (a & FILE_ATTRIBUTE_DIRECTORY) return Status::Error(path + ": not a file", ErrorKind::NotAFolder);
    HANDLE h = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return Win32Status(path, GetLastError());
    std::string content;
    char buffer[65536];
    for (;;) {
        DWORD got = 0;
        if (!ReadFile(h, buffer, sizeof buffer, &got, nullptr)) {
            DWORD error = GetLastError();
            CloseHandle(h);
            return Win32Status(path, error);
        }
        if (got == 0) break;
        content.append(buffer, got);
    }
    CloseHandle(h);
    return content;
}

Status Win32Platform::writeFile(const std::string& path, const std::string& content) {
    if (HasControlCharacter(path)) return ControlCharacterStatus(path);
    if (path.empty()) return Status::Error(path + ": no file name");
    if (IsFolderAttr(Win32Attributes(path))) return Status::Error(path + ": a folder of that name exists", ErrorKind::NotAFolder);
    if (!ParentExists(path)) return Status::Error(path + ": the folder does not exist", ErrorKind::NotFound);
    std::string temp = TempBeside(path);
    HANDLE h = CreateFileA(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return Status::Error(path + ": cannot create a temporary file: " + Win32ErrorText(GetLastError()), Win32ErrorKind(GetLastError()));
    DWORD error = 0;
    bool ok = WriteAll(h, content.data(), content.size(), error);
    if (ok && !FlushFileBuffers(h)) {
        ok = false;
        error = GetLastError();
    }
    if (!CloseHandle(h) && ok) {
        ok = false;
        error = GetLastError();
    }
    if (!ok) {
        DeleteFileA(temp.c_str());
        return Status::Error(path + ": cannot write: " + Win32ErrorText(error), Win32ErrorKind(error));
    }
    return CommitTemp(temp, path);
}

Result<std::unique_ptr<RecordFile>> Win32Platform::openRecordFile(const std::string& path, std::size_t recordLength,
                                                                  bool create) {
    if (HasControlCharacter(path)) return ControlCharacterStatus(path);
    if (recordLength == 0) return RecordLengthStatus(path);
    DWORD a = Win32Attributes(path);
    if (a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY)) return Status::Error(path + ": not a file", ErrorKind::NotAFolder);
    if (a == INVALID_FILE_ATTRIBUTES && !create) return Status::Error(path + ": no such file", ErrorKind::NotFound);
    if (a == INVALID_FILE_ATTRIBUTES && !ParentExists(path)) return Status::Error(path + ": the folder does not exist", ErrorKind::NotFound);
    const DWORD share = FILE_SHARE_READ | FILE_SHARE_WRITE;
    bool writable = true;
    HANDLE h = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, share, nullptr,
                           a == INVALID_FILE_ATTRIBUTES ? CREATE_NEW : OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    // A read-only file (or disc) can still be read record by record.
    if (h == INVALID_HANDLE_VALUE && a != INVALID_FILE_ATTRIBUTES &&
        (GetLastError() == ERROR_ACCESS_DENIED || GetLastError() == ERROR_WRITE_PROTECT)) {
        writable = false;
        h = CreateFileA(path.c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    }
    if (h == INVALID_HANDLE_VALUE) return Win32Status(path, GetLastError());
    std::unique_ptr<RecordFile> file = std::make_unique<Win32RecordFile>(h, path, recordLength, writable);
    return file;
}

// "~qv<pid>-<n>.tmp" of a process that is gone; a process we may not ask
// about keeps its files.
Status Win32Platform::removeStaleTemporaries(const std::string& folder) {
    if (!IsFolderAttr(Win32Attributes(folder))) return Status::Ok();
    Result<std::vector<std::string>> names = list(folder, "~qv*.tmp", kFiles);
    if (!names) return names.status();
    std::string parent = Win32StripSeparators(folder);
    if (!parent.empty() && parent.back() != '\\' && parent.back() != '/' && parent.back() != ':') parent += '\\';
    for (const std::string& name : *names) {
        unsigned long pid = 0, counter = 0;
        int end = 0;
        if (std::sscanf(name.c_str(), "~qv%lu-%lu.tmp%n", &pid, &counter, &end) != 2 ||
            end != static_cast<int>(name.size()) || pid == GetCurrentProcessId())
            continue;
        HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, static_cast<DWORD>(pid));
        if (process) {
            CloseHandle(process);
            continue;
        }
        if (GetLastError() != ERROR_INVALID_PARAMETER) continue;
        if (!DeleteFileA((parent + name).c_str()) && GetLastError() != ERROR_FILE_NOT_FOUND)
            return Win32Status(parent + name, GetLastError());
    }
    return Status::Ok();
}

}  // namespace qv::platform

#endif  // _WIN32
