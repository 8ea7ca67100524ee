// The tool library's shape files: one 89-byte record per punch, numbered from 1.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>

#include "platform/Result.h"

namespace qv {

constexpr std::size_t ShapeRecordSize = 89;
constexpr std::size_t LibraryNameWidth = 18;

/// One record of a shape file.
struct LibraryEntry {
    std::int32_t recordNumber = 0;
    char shape = ' ';
    std::string name = std::string(LibraryNameWidth, ' ');  // 18 characters as stored
    std::array<float, 4> size{};                            // Size(1)..Size(4), mm
    /// Station number and station code of each of the six slots.
    std::array<std::pair<std::int16_t, std::int16_t>, 6> stations{};
    std::array<float, 6> angles{};  // degrees; negative marks an unused slot
    /// The record's last 6 bytes, laid out by the library editor; kept as read.
    std::string unused = std::string(6, '\0');
};

/// The 89 bytes of the entry (recordNumber is not stored).
std::string EncodeShapeRecord(const LibraryEntry& entry);

/// The entry held by an 89-byte record; an error naming the offset when the
/// record is short.
Result<LibraryEntry> DecodeShapeRecord(const std::string& record, std::int32_t recordNumber);

/// True for a listed entry of the shape file fileLetter: in the Special
/// file a name that is not blank, in the others Size(1) strictly between 0.1
/// and 1000.
bool IsLiveEntry(const LibraryEntry& entry, char fileLetter);

}  // namespace qv
