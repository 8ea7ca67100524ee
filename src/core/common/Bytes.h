// Little-endian field access over the byte buffers of fixed-record files.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace qv {

// Fields at an absolute offset. The caller guarantees the field fits in the
// buffer (offset tables are checked with static_assert); a field that would
// run past the end reads as 0 / "" and is not written.
std::int16_t GetI16(const std::string& buf, std::size_t offset);
std::int32_t GetI32(const std::string& buf, std::size_t offset);
float GetF32(const std::string& buf, std::size_t offset);
double GetF64(const std::string& buf, std::size_t offset);
/// size bytes as 8-bit characters, padding kept.
std::string GetText(const std::string& buf, std::size_t offset, std::size_t size);

void PutI16(std::string& buf, std::size_t offset, std::int16_t value);
void PutI32(std::string& buf, std::size_t offset, std::int32_t value);
void PutF32(std::string& buf, std::size_t offset, float value);
void PutF64(std::string& buf, std::size_t offset, double value);
/// Writes exactly size bytes: text cut when longer, padded with spaces.
void PutText(std::string& buf, std::size_t offset, std::size_t size, const std::string& text);

/// Reads fields in a row from a buffer. Reading past the end sets an error
/// once (the first message is kept), returns 0 / "" and leaves the offset
/// where it was, so a record is read whole and checked once.
class ByteCursor {
public:
    explicit ByteCursor(const std::string& buf, std::size_t offset = 0);

    std::int16_t i16();
    std::int32_t i32();
    float f32();
    double f64();
    std::string text(std::size_t size);
    void skip(std::size_t size);

    std::size_t offset() const { return offset_; }
    bool ok() const { return error_.empty(); }
    /// "unexpected end of data at offset 96 while reading 4 bytes (data is
    /// 98 bytes)"; "" when ok.
    const std::string& error() const { return error_; }

private:
    bool take(std::size_t size);
    const std::string& buf_;
    std::size_t offset_;
    std::string error_;
};

}  // namespace qv
