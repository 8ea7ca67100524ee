// Writing and reading the review records of a reverse run.
#include "core/workstation/ReviewRecords.h"

#include <algorithm>
#include <limits>

#include "core/common/Text.h"
#include "core/workstation/RecordStream.h"
#include "platform/Platform.h"

namespace qv {

namespace {

constexpr std::size_t kPiece = 1 << 16;

// A file read a piece at a time, so that a long program is never held
// whole: whole pieces through one record view of it, the bytes after them
// through views of halving lengths, each aligned where it starts.
class PieceReader {
public:
    Status open(const std::string& path) {
        path_ = path;
        auto view = platform::Current().openRecordFile(path, kPiece, false);
        if (!view) return view.status();
        pieces_ = std::move(view.value());
        whole_ = pieces_->recordCount();
        const std::int64_t size = platform::Current().fileSize(path);
        tail_ = std::max<std::int64_t>(size - whole_ * static_cast<std::int64_t>(kPiece), 0);
        return Status::Ok();
    }

    /// The next piece; empty at the end.
    Status next(std::string& out) {
        out.clear();
        if (next_ <= whole_) return pieces_->read(next_++, out);
        if (tail_ == 0) return Status::Ok();
        std::size_t length = kPiece / 2;
        while (static_cast<std::int64_t>(length) > tail_) length /= 2;
        auto view = platform::Current().openRecordFile(path_, length, false);
        if (!view) return view.status();
        const std::int64_t at = whole_ * static_cast<std::int64_t>(kPiece) + tailRead_;
        tailRead_ += static_cast<std::int64_t>(length);
        tail_ -= static_cast<std::int64_t>(length);
        return view.value()->read(at / static_cast<std::int64_t>(length) + 1, out);
    }

private:
    std::string path_;
    std::unique_ptr<platform::RecordFile> pieces_;
    std::int64_t whole_ = 0;
    std::int64_t next_ = 1;
    std::int64_t tail_ = 0;
    std::int64_t tailRead_ = 0;
};

// Blanks as Trim takes them.
bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// The records of a program's lines as its bytes arrive. Only the first 80
// characters of a line after its leading blanks can reach its record, so a
// line is never held longer than that.
class LineRecords {
public:
    /// Takes bytes and hands each finished record to emit, which answers
    /// whether to go on. False once the end-of-file mark or emit stops it.
    template <typename Emit>
    bool feed(const std::string& bytes, Emit&& emit) {
        for (const char c : bytes) {
            if (c == '\x1A') {  // nothing after the end-of-file mark is text
                (void)endLine(emit);
                return false;
            }
            if (c == '\r' || c == '\n') {
                if (!endLine(emit)) return false;
            } else if (!text_.empty() || !IsBlank(c)) {
                if (text_.size() < ReviewRecordLength) {
                    text_.push_back(c);
                } else if (!IsBlank(c)) {
                    longer_ = true;
                }
            }
        }
        return true;
    }

    /// Ends the last line, which needs no line end.
    template <typename Emit>
    bool endLine(Emit&& emit) {
        if (text_.empty()) return true;
        // Trailing blanks go unless the line goes on past the record.
        const bool go = emit(FixedText(longer_ ? text_ : Trim(text_), ReviewRecordLength));
        text_.clear();
        longer_ = false;
        return go;
    }

private:
    std::string text_;     // the line from its first non-blank, at most a record long
    bool longer_ = false;  // a non-blank character lies past the record
};

}  // namespace

std::string ReviewRecordText(const std::string& line) { return FixedText(Trim(line), ReviewRecordLength); }

Result<std::int32_t> WriteReviewRecords(const std::string& programFile, const std::string& reviewFile) {
    platform::Platform& os = platform::Current();
    PieceReader program;
    if (Status opened = program.open(programFile); !opened) return opened;

    const std::string temp = reviewFile + ".tmp";
    if (os.fileExists(temp)) {
        Status cleared = os.deleteFile(temp);
        if (!cleared) return cleared;
    }
    auto created = RecordAppender::Create(temp, ReviewRecordLength);
    if (!created) return created.status();
    std::unique_ptr<RecordAppender> out = std::move(created.value());

    Status status;
    auto emit = [&](const std::string& record) {
        if (out->count() >= std::numeric_limits<std::int32_t>::max()) return false;
        status = out->append(record);
        return status.ok();
    };
    LineRecords lines;
    std::string piece;
    for (bool more = true; more;) {
        status = program.next(piece);
        if (!status || piece.empty()) break;
        more = lines.feed(piece, emit);
    }
    if (status && piece.empty()) (void)lines.endLine(emit);
    if (status) status = out->finish();
    const auto count = static_cast<std::int32_t>(out->count());
    out.reset();
    if (status) status = os.renameFile(temp, reviewFile);
    if (!status) {
        (void)os.deleteFile(temp);
        return status;
    }
    return count;
}

Result<std::vector<std::string>> ReadReviewRecords(const std::string& reviewFile, std::int32_t first,
                                                   std::int32_t count, std::int32_t last) {
    std::vector<std::string> texts;
    if (count <= 0 || first > last) return texts;
    auto file = platform::Current().openRecordFile(reviewFile, ReviewRecordLength, false);
    if (!file) return file.status();
    const std::int64_t end = std::min<std::int64_t>(static_cast<std::int64_t>(first) + count - 1, last);
    std::string record;
    for (std::int64_t n = std::max<std::int32_t>(first, 1); n <= end; ++n) {
        Status read = file.value()->read(n, record);
        if (!read) return read;
        texts.push_back(Trim(record));
    }
    return texts;
}

}  // namespace qv
