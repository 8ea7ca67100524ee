// Fixed-length record files over one open descriptor (pread/pwrite).
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/PosixErrors.h"
#include "platform/PosixPlatform.h"
#include "platform/PosixSysCalls.h"
#include "platform/RecordMessages.h"

namespace qv::platform {
namespace {

class PosixRecordFile : public RecordFile {
public:
    /// writeError: why the file could not be opened for writing, 0 when it was.
    PosixRecordFile(int fd, std::string path, std::size_t length, int writeError)
        : fd_(fd), path_(std::move(path)), length_(length), writeError_(writeError) {}
    ~PosixRecordFile() override { close(fd_); }

    std::size_t recordLength() const override { return length_; }

    std::int64_t recordCount() override {
        struct stat st {};
        if (fstat(fd_, &st) != 0) return 0;
        return static_cast<std::int64_t>(st.st_size) / static_cast<std::int64_t>(length_);
    }

    Status read(std::int64_t n, std::string& out) override {
        if (n < 1) return badNumber(n);
        std::int64_t count = recordCount();
        if (n > count) return pastEnd(n, count);
        std::string buffer(length_, '\0');
        std::size_t got = 0;
        while (got < length_) {
            ssize_t done = Sys().pread(fd_, &buffer[got], length_ - got, offsetOf(n) + static_cast<off_t>(got));
            if (done < 0 && errno == EINTR) continue;
            if (done < 0) return recordError(n, "cannot be read", errno);
            if (done == 0) return pastEnd(n, recordCount());
            got += static_cast<std::size_t>(done);
        }
        out = std::move(buffer);
        return Status::Ok();
    }

    Status write(std::int64_t n, const std::string& data) override {
        if (n < 1) return badNumber(n);
        if (data.size() > length_) return RecordTooLongStatus(path_, n, data.size(), length_);
        if (writeError_ != 0) return recordError(n, "cannot be written", writeError_);
        std::string record(data);
        record.resize(length_, '\0');
        std::size_t put = 0;
        while (put < length_) {
            ssize_t done = Sys().pwrite(fd_, record.data() + put, length_ - put, offsetOf(n) + static_cast<off_t>(put));
            if (done < 0 && errno == EINTR) continue;
            if (done < 0) return recordError(n, "cannot be written", errno);
            if (done == 0) return recordError(n, "cannot be written", ENOSPC);
            put += static_cast<std::size_t>(done);
        }
        return Status::Ok();
    }

    Status sync() override {
        if (Sys().fsync(fd_) != 0) return FailStatus(path_, "cannot flush to the disc: " + ErrnoText(errno), ErrnoKind(errno));
        return Status::Ok();
    }

private:
    off_t offsetOf(std::int64_t n) const { return static_cast<off_t>((n - 1) * static_cast<std::int64_t>(length_)); }

    Status badNumber(std::int64_t n) const { return RecordNumberStatus(path_, n); }
    Status pastEnd(std::int64_t n, std::int64_t count) const { return RecordPastEndStatus(path_, n, count); }
    Status recordError(std::int64_t n, const std::string& what, int error) const {
        return FailStatus(path_, "record " + std::to_string(n) + " " + what + ": " + ErrnoText(error), ErrnoKind(error));
    }

    int fd_;
    std::string path_;
    std::size_t length_;
    int writeError_;
};

}  // namespace

Result<std::unique_ptr<RecordFile>> PosixPlatform::openRecordFile(const std::string& path, std::size_t recordLength,
                                                                  bool create) {
    if (recordLength == 0) return RecordLengthStatus(path);
    HostTarget t = resolver_.resolve(path);
    if (!t.mapped) return RefusedStatus(path, t.refusal);
    if (t.exists && !S_ISREG(t.st.st_mode)) return FailStatus(path, "not a file", ErrorKind::NotAFolder);
    if (!t.exists && !create) return FailStatus(path, "no such file", ErrorKind::NotFound);
    if (!t.exists && !t.parentExists) return FailStatus(path, "the folder does not exist", ErrorKind::NotFound);
    PathResolver::FolderChange change(resolver_, t.parent);
    int writeError = 0;
    int flags = O_RDWR | O_CLOEXEC | (t.exists ? 0 : O_CREAT);
    int fd = Sys().open(t.host.c_str(), flags, 0644);
    // A read-only file (or drive) can still be read record by record.
    if (fd < 0 && t.exists && (errno == EACCES || errno == EROFS || errno == EPERM)) {
        writeError = errno;
        fd = Sys().open(t.host.c_str(), O_RDONLY | O_CLOEXEC, 0);
    }
    if (fd < 0) return ErrnoStatus(path, errno);
    if (!t.exists) change.added(t.name);
    std::unique_ptr<RecordFile> file = std::make_unique<PosixRecordFile>(fd, path, recordLength, writeError);
    return file;
}

}  // namespace qv::platform
