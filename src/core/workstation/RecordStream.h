// Reading and appending fixed-length records in file order, many at a time.
//
// Large drawings and long programs are streamed: a second view of the same
// file with a record length of a whole block of records reads or writes a
// block with one call, and the records after the last whole block go
// through a view of the true record length. Only one block is ever held.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "platform/Platform.h"
#include "platform/Result.h"

namespace qv {

constexpr std::size_t RecordsPerBlock = 128;

/// Reads the records of an existing file from record 1 on.
class RecordScanner {
public:
    /// Fails when the file cannot be opened; the message names it.
    static Result<std::unique_ptr<RecordScanner>> Open(const std::string& path, std::size_t recordLength);

    /// Whole records in the file when it was opened.
    std::int64_t count() const { return count_; }
    /// Number of the record next() gives next.
    std::int64_t position() const { return next_; }
    bool atEnd() const { return next_ > count_; }
    /// The next record; an error past the end or when it cannot be read.
    Status next(std::string& out);

private:
    RecordScanner() = default;
    std::string path_;
    std::size_t length_ = 0;
    std::int64_t count_ = 0;
    std::int64_t next_ = 1;
    std::unique_ptr<platform::RecordFile> blocks_;
    std::unique_ptr<platform::RecordFile> single_;
    std::string block_;
    std::int64_t blockFirst_ = 0;  // record number of block_'s first record, 0 when none
};

/// Writes records 1, 2, ... to a file, which must be new or empty.
class RecordAppender {
public:
    static Result<std::unique_ptr<RecordAppender>> Create(const std::string& path, std::size_t recordLength);

    /// Adds a record (shorter data is padded with zero bytes).
    Status append(const std::string& record);
    /// Records appended so far.
    std::int64_t count() const { return count_; }
    /// Writes the records still held; nothing may be appended after it.
    Status flush();
    /// Rewrites an already appended record (after flush()).
    Status rewrite(std::int64_t n, const std::string& record);
    /// Flushes the file to the disc.
    Status sync() { return single_->sync(); }
    /// flush() then sync().
    Status finish();

private:
    RecordAppender() = default;
    Status flushBlock();
    std::string path_;
    std::size_t length_ = 0;
    std::int64_t count_ = 0;
    std::int64_t blocksWritten_ = 0;
    std::unique_ptr<platform::RecordFile> blocks_;
    std::unique_ptr<platform::RecordFile> single_;
    std::string pending_;
};

}  // namespace qv
