// Fault injection around another platform.
#include "support/FaultyPlatform.h"

namespace qv::test {
namespace {

// Record files opened through the faulty platform fail their writes and
// reads as the platform says. They must not outlive it.
class FaultyRecordFile : public platform::RecordFile {
public:
    FaultyRecordFile(FaultyPlatform& owner, std::unique_ptr<platform::RecordFile> inner, std::string path)
        : owner_(owner), inner_(std::move(inner)), path_(std::move(path)) {}

    std::size_t recordLength() const override { return inner_->recordLength(); }
    std::int64_t recordCount() override { return inner_->recordCount(); }
    Status read(std::int64_t n, std::string& out) override {
        Status fault = owner_.check(kRead, path_);
        return fault.ok() ? inner_->read(n, out) : fault;
    }
    Status write(std::int64_t n, const std::string& data) override {
        Status fault = owner_.check(kRecordWrite, path_);
        return fault.ok() ? inner_->write(n, data) : fault;
    }
    Status sync() override {
        Status fault = owner_.check(kRecordWrite, path_);
        return fault.ok() ? inner_->sync() : fault;
    }

private:
    FaultyPlatform& owner_;
    std::unique_ptr<platform::RecordFile> inner_;
    std::string path_;
};

}  // namespace

void FaultyPlatform::arm(const Fault& fault) {
    fault_ = fault;
    armed_ = true;
    counted_ = 0;
    fired_ = 0;
}

Status FaultyPlatform::check(Call kind, const std::string& path) {
    if (!armed_ || (fault_.kinds & kind) == 0) return Status::Ok();
    ++counted_;
    const bool fails = fault_.persistent ? counted_ >= fault_.nth : counted_ == fault_.nth;
    if (!fails) return Status::Ok();
    ++fired_;
    return Status::Error(path + ": " + fault_.reason, fault_.kind);
}

Status FaultyPlatform::copyFile(const std::string& from, const std::string& to) {
    Status fault = check(kCopy, to);
    if (fault.ok()) return inner().copyFile(from, to);
    if (fault_.partialCopy) {
        Result<std::string> bytes = inner().readFile(from);
        if (bytes.ok()) (void)inner().writeFile(to, bytes->substr(0, bytes->size() / 2));
    }
    return fault;
}

Result<std::string> FaultyPlatform::readFile(const std::string& path) {
    Status fault = check(kRead, path);
    if (!fault.ok()) return fault;
    return inner().readFile(path);
}

Result<std::unique_ptr<platform::RecordFile>> FaultyPlatform::openRecordFile(const std::string& path,
                                                                             std::size_t recordLength,
                                                                             bool create) {
    Status fault = check(kOpenRecordFile, path);
    if (!fault.ok()) return fault;
    Result<std::unique_ptr<platform::RecordFile>> opened = inner().openRecordFile(path, recordLength, create);
    if (!opened.ok()) return opened;
    return std::unique_ptr<platform::RecordFile>(
        std::make_unique<FaultyRecordFile>(*this, std::move(opened.value()), path));
}

Result<std::int64_t> FaultyPlatform::startProgram(const std::string& commandLine, platform::WindowState state,
                                                  const std::string& outputFile) {
    Status fault = check(kStartProgram, commandLine);
    if (!fault.ok()) return fault;
    return inner().startProgram(commandLine, state, outputFile);
}

}  // namespace qv::test
