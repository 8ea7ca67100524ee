// Writing and reading the review records of a reverse run.
#include "core/workstation/ReviewRecords.h"

#include <algorithm>
#include <limits>

#include "core/common/Text.h"
#include "core/common/TextFile.h"
#include "core/workstation/RecordStream.h"
#include "platform/Platform.h"

namespace qv {

std::string ReviewRecordText(const std::string& line) { return FixedText(Trim(line), ReviewRecordLength); }

Result<std::int32_t> WriteReviewRecords(const std::string& programFile, const std::string& reviewFile) {
    platform::Platform& os = platform::Current();
    auto content = os.readFile(programFile);
    if (!content) return content.status();

    const std::string temp = reviewFile + ".tmp";
    if (os.fileExists(temp)) {
        Status cleared = os.deleteFile(temp);
        if (!cleared) return cleared;
    }
    auto created = RecordAppender::Create(temp, ReviewRecordLength);
    if (!created) return created.status();
    std::unique_ptr<RecordAppender> out = std::move(created.value());

    Status status;
    {
        const std::vector<std::string> lines = SplitLines(content.value());
        content.value().clear();
        for (const std::string& line : lines) {
            const std::string text = Trim(line);
            if (text.empty()) continue;
            if (out->count() >= std::numeric_limits<std::int32_t>::max()) break;
            status = out->append(FixedText(text, ReviewRecordLength));
            if (!status) break;
        }
    }
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
