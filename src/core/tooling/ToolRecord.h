// The punch tool record: its empty state, copy, text form and stored form.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/tooling/ShapeTable.h"

namespace qv {

struct ToolRecord {
    bool Defined = false;
    char Shape = ' ';
    std::string Description = std::string(64, ' ');  // always 64 characters
    std::array<float, 4> Size{};                     // Size(1)..Size(4) are [0]..[3], mm
    std::int16_t Station = 0;
    std::int16_t StationCode = 0;
    float Angle = 0;
    float IndexAngle = 0;
    std::int32_t Count = 0;
};

constexpr std::size_t ToolDescriptionWidth = 64;

/// Not defined, shape " ", description 64 spaces, every number 0.
void ClearToolRecord(ToolRecord& record);

/// Every field of source into target; the description kept at 64 characters.
void CopyToolRecord(const ToolRecord& source, ToolRecord& target);

/// Fills the record from its eleven-field text form "A,Punch 10,10,0,0,0,5,11,0,0,1".
/// A text that stops early keeps the fields read so far with Defined false;
/// a first field that is not a tool letter leaves the record cleared.
void ParseToolText(const std::string& text, ToolRecord& record);

/// How DimensionText converts sizes before formatting them.
enum class Units { AsStored, Millimetres, Inches };

/// The short dimension text shown in lists: "20x10r2", "10x3w1.5", the trimmed
/// description for a Special, "" for an unknown letter. Millimetres round each
/// size to 3 decimals, Inches to 4 decimals after dividing by 25.4.
std::string DimensionText(const ToolRecord& record, Units units);

/// One size as a list shows it: AsStored formats the single-precision value
/// itself; Millimetres rounds it to `decimals`; Inches divides it by 25.4 and
/// rounds to `decimals`.
std::string SizeText(float size, Units units, int decimals);

/// The size pattern of a shape letter ("s1xs2rs4"), each size through
/// SizeText; "" for "S" and for letters that are not punch shapes.
std::string SizesText(char letter, const std::array<float, 4>& sizes, Units units, int decimals);

/// An unknown shape letter becomes "U", not defined, described "Undefined   ".
void NormaliseShape(ToolRecord& record);

/// Station tests shared by the tooling windows.
bool IsAtLeastTen(std::int16_t x);
bool IsNotMultipleOfTen(std::int16_t x);
/// A station code 20..99 marks an indexable station.
bool IsIndexCode(std::int16_t x);

// ---- Stored binary form (part of a drawing entity record) -----------------
constexpr std::size_t ToolRecordSize = 99;

/// Writes the 99 bytes at offset; the buffer grows when too short.
void EncodeToolRecord(const ToolRecord& record, std::string& buffer, std::size_t offset);

/// Reads the 99 bytes at offset; a short buffer gives a cleared record.
ToolRecord DecodeToolRecord(const std::string& buffer, std::size_t offset);

}  // namespace qv
