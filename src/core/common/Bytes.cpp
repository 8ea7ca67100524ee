// Little-endian field access over the byte buffers of fixed-record files.
#include "core/common/Bytes.h"

#include <cstring>

namespace qv {
namespace {
bool Fits(const std::string& buf, std::size_t offset, std::size_t size) {
    return offset <= buf.size() && size <= buf.size() - offset;
}

std::uint64_t LoadLE(const std::string& buf, std::size_t offset, std::size_t size) {
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < size; ++i) {
        value |= static_cast<std::uint64_t>(static_cast<unsigned char>(buf[offset + i])) << (8 * i);
    }
    return value;
}

void StoreLE(std::string& buf, std::size_t offset, std::size_t size, std::uint64_t value) {
    for (std::size_t i = 0; i < size; ++i) {
        buf[offset + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
    }
}
}  // namespace

std::int16_t GetI16(const std::string& buf, std::size_t offset) {
    if (!Fits(buf, offset, 2)) return 0;
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(LoadLE(buf, offset, 2)));
}

std::int32_t GetI32(const std::string& buf, std::size_t offset) {
    if (!Fits(buf, offset, 4)) return 0;
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(LoadLE(buf, offset, 4)));
}

float GetF32(const std::string& buf, std::size_t offset) {
    if (!Fits(buf, offset, 4)) return 0;
    const auto bits = static_cast<std::uint32_t>(LoadLE(buf, offset, 4));
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

double GetF64(const std::string& buf, std::size_t offset) {
    if (!Fits(buf, offset, 8)) return 0;
    const std::uint64_t bits = LoadLE(buf, offset, 8);
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

std::string GetText(const std::string& buf, std::size_t offset, std::size_t size) {
    if (!Fits(buf, offset, size)) return "";
    return buf.substr(offset, size);
}

void PutI16(std::string& buf, std::size_t offset, std::int16_t value) {
    if (Fits(buf, offset, 2)) StoreLE(buf, offset, 2, static_cast<std::uint16_t>(value));
}

void PutI32(std::string& buf, std::size_t offset, std::int32_t value) {
    if (Fits(buf, offset, 4)) StoreLE(buf, offset, 4, static_cast<std::uint32_t>(value));
}

void PutF32(std::string& buf, std::size_t offset, float value) {
    if (!Fits(buf, offset, 4)) return;
    std::uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    StoreLE(buf, offset, 4, bits);
}

void PutF64(std::string& buf, std::size_t offset, double value) {
    if (!Fits(buf, offset, 8)) return;
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    StoreLE(buf, offset, 8, bits);
}

void PutText(std::string& buf, std::size_t offset, std::size_t size, const std::string& text) {
    if (!Fits(buf, offset, size)) return;
    for (std::size_t i = 0; i < size; ++i) buf[offset + i] = i < text.size() ? text[i] : ' ';
}

ByteCursor::ByteCursor(const std::string& buf, std::size_t offset) : buf_(buf), offset_(offset) {}

bool ByteCursor::take(std::size_t size) {
    if (!error_.empty()) return false;
    if (!Fits(buf_, offset_, size)) {
        error_ = "unexpected end of data at offset " + std::to_string(offset_) + " while reading " +
                 std::to_string(size) + " bytes (data is " + std::to_string(buf_.size()) + " bytes)";
        return false;
    }
    return true;
}

std::int16_t ByteCursor::i16() {
    if (!take(2)) return 0;
    offset_ += 2;
    return GetI16(buf_, offset_ - 2);
}

std::int32_t ByteCursor::i32() {
    if (!take(4)) return 0;
    offset_ += 4;
    return GetI32(buf_, offset_ - 4);
}

float ByteCursor::f32() {
    if (!take(4)) return 0;
    offset_ += 4;
    return GetF32(buf_, offset_ - 4);
}

double ByteCursor::f64() {
    if (!take(8)) return 0;
    offset_ += 8;
    return GetF64(buf_, offset_ - 8);
}

std::string ByteCursor::text(std::size_t size) {
    if (!take(size)) return "";
    offset_ += size;
    return GetText(buf_, offset_ - size, size);
}

void ByteCursor::skip(std::size_t size) {
    if (take(size)) offset_ += size;
}

}  // namespace qv
