// Block-wise streaming of fixed-length record files.
#include "core/workstation/RecordStream.h"

namespace qv {

namespace {
constexpr std::int64_t BlockRecords = static_cast<std::int64_t>(RecordsPerBlock);

// The two views of one file: single records, and whole blocks of them.
struct Views {
    std::unique_ptr<platform::RecordFile> single;
    std::unique_ptr<platform::RecordFile> blocks;
};

Result<Views> OpenViews(const std::string& path, std::size_t recordLength, bool create) {
    platform::Platform& os = platform::Current();
    auto single = os.openRecordFile(path, recordLength, create);
    if (!single) return single.status();
    auto blocks = os.openRecordFile(path, recordLength * RecordsPerBlock, create);
    if (!blocks) return blocks.status();
    return Views{std::move(single.value()), std::move(blocks.value())};
}
}  // namespace

Result<std::unique_ptr<RecordScanner>> RecordScanner::Open(const std::string& path, std::size_t recordLength) {
    auto views = OpenViews(path, recordLength, false);
    if (!views) return views.status();
    std::unique_ptr<RecordScanner> scanner(new RecordScanner());
    scanner->path_ = path;
    scanner->length_ = recordLength;
    scanner->single_ = std::move(views.value().single);
    scanner->blocks_ = std::move(views.value().blocks);
    scanner->count_ = scanner->single_->recordCount();
    return scanner;
}

Status RecordScanner::next(std::string& out) {
    if (next_ > count_)
        return Status::Error(path_ + ": record " + std::to_string(next_) + " is past the end (" +
                             std::to_string(count_) + " records)");
    const std::int64_t block = (next_ - 1) / BlockRecords;  // from 0
    if (block < count_ / BlockRecords) {
        const std::int64_t first = block * BlockRecords + 1;
        if (blockFirst_ != first) {
            blockFirst_ = 0;
            Status read = blocks_->read(block + 1, block_);
            if (!read) return read;
            blockFirst_ = first;
        }
        out.assign(block_, static_cast<std::size_t>(next_ - first) * length_, length_);
    } else {
        Status read = single_->read(next_, out);
        if (!read) return read;
    }
    ++next_;
    return Status::Ok();
}

Result<std::unique_ptr<RecordAppender>> RecordAppender::Create(const std::string& path, std::size_t recordLength) {
    if (platform::Current().fileSize(path) > 0)
        return Status::Error(path + ": not empty, records would be mixed with old ones");
    auto views = OpenViews(path, recordLength, true);
    if (!views) return views.status();
    std::unique_ptr<RecordAppender> appender(new RecordAppender());
    appender->path_ = path;
    appender->length_ = recordLength;
    appender->single_ = std::move(views.value().single);
    appender->blocks_ = std::move(views.value().blocks);
    appender->pending_.reserve(recordLength * RecordsPerBlock);
    return appender;
}

Status RecordAppender::append(const std::string& record) {
    if (record.size() > length_)
        return Status::Error(path_ + ": record " + std::to_string(count_ + 1) + " has " +
                             std::to_string(record.size()) + " bytes, more than " + std::to_string(length_));
    pending_ += record;
    pending_.append(length_ - record.size(), '\0');
    ++count_;
    if (pending_.size() == length_ * RecordsPerBlock) return flushBlock();
    return Status::Ok();
}

Status RecordAppender::flushBlock() {
    Status written = blocks_->write(blocksWritten_ + 1, pending_);
    if (!written) return written;
    ++blocksWritten_;
    pending_.clear();
    return Status::Ok();
}

Status RecordAppender::finish() {
    Status flushed = flush();
    return flushed ? sync() : flushed;
}

Status RecordAppender::flush() {
    const std::int64_t firstPending = blocksWritten_ * BlockRecords + 1;
    const std::size_t held = pending_.size() / length_;
    for (std::size_t i = 0; i < held; ++i) {
        Status written =
            single_->write(firstPending + static_cast<std::int64_t>(i), pending_.substr(i * length_, length_));
        if (!written) return written;
    }
    pending_.clear();
    return Status::Ok();
}

Status RecordAppender::rewrite(std::int64_t n, const std::string& record) {
    if (n < 1 || n > count_)
        return Status::Error(path_ + ": record " + std::to_string(n) + " was never written");
    return single_->write(n, record);
}

}  // namespace qv
