// Counts every platform call on its way to the wrapped platform.
#include "support/CountingPlatform.h"

#include "core/common/Text.h"

namespace qv::test {

std::string CountingPlatform::key(const std::string& path) {
    const bool bare = path.find(':') == std::string::npos && (path.empty() || path[0] != '\\');
    return Upper(bare ? inner().currentFolder() + path : path);
}

int CountingPlatform::totalCalls() const {
    int total = 0;
    for (const auto& [name, n] : calls) total += n;
    return total;
}

void CountingPlatform::clear() {
    calls.clear();
    reads.clear();
}

Result<std::string> CountingPlatform::readFile(const std::string& path) {
    ++reads[key(path)];
    if (unreadable.count(path)) {
        onCall("readFile");
        return Status::Error(path + ": permission denied");
    }
    return ForwardingPlatform::readFile(path);
}

Result<std::unique_ptr<platform::RecordFile>> CountingPlatform::openRecordFile(
    const std::string& path, std::size_t recordLength, bool create) {
    ++reads[key(path)];
    return ForwardingPlatform::openRecordFile(path, recordLength, create);
}

}  // namespace qv::test
