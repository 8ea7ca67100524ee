// The 518-byte record of a drawing file (".drw"): header and entity records
// share one layout.
//
// Format (little-endian numbers, texts as 8-bit characters, no padding):
//
//   offset size field
//        0    2 EntityCode       16-bit; the header record holds 0
//        2   18 Text18           fixed text
//       20   72 MaterialName     fixed text (header)
//       92    2 Value16a         16-bit
//       94    4 RecordCount      32-bit (header: records in the file)
//       98    2 LevelNumber      16-bit (header)
//      100    2 Value16b         16-bit
//      102   48 Doubles6         6 x 8-byte reals (entities: geometry)
//      150   80 Singles20        20 x single (header: sheet and clamps)
//      230   16 Ints8            8 x 16-bit
//      246    8 Singles2         2 x single
//      254    2 SecondSetting    16-bit (entities: the sign field)
//      256    2 MachineSetting   16-bit (header)
//      258   16 Pairs1           2 x 8-byte reals
//      274   16 Pairs2           2 x 8-byte reals
//      290   99 Tool             ToolRecord, the entity's tool
//      389   99 Tool2            ToolRecord
//      488   30 Tail30           carried unchanged
//
// The fields the suite declares after the second tool (16, 16 and 8 bytes)
// would need 40 bytes, but the record ends 30 bytes after it; those 30 bytes
// are kept as one raw block so that whatever the other programs store there
// survives a rewrite.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/tooling/ToolRecord.h"

namespace qv {

constexpr std::size_t DrawingRecordSize = 518;

struct DrawingField {
    const char* name;
    std::size_t offset;
    std::size_t size;
};

namespace drawing_offset {
constexpr std::size_t EntityCode = 0;
constexpr std::size_t Text18 = 2;
constexpr std::size_t MaterialName = 20;
constexpr std::size_t Value16a = 92;
constexpr std::size_t RecordCount = 94;
constexpr std::size_t LevelNumber = 98;
constexpr std::size_t Value16b = 100;
constexpr std::size_t Doubles6 = 102;
constexpr std::size_t Singles20 = 150;
constexpr std::size_t Ints8 = 230;
constexpr std::size_t Singles2 = 246;
constexpr std::size_t SecondSetting = 254;
constexpr std::size_t MachineSetting = 256;
constexpr std::size_t Pairs1 = 258;
constexpr std::size_t Pairs2 = 274;
constexpr std::size_t Tool = 290;
constexpr std::size_t Tool2 = 389;
constexpr std::size_t Tail30 = 488;
}  // namespace drawing_offset

constexpr std::array<DrawingField, 18> DrawingLayout{{
    {"EntityCode", drawing_offset::EntityCode, 2},
    {"Text18", drawing_offset::Text18, 18},
    {"MaterialName", drawing_offset::MaterialName, 72},
    {"Value16a", drawing_offset::Value16a, 2},
    {"RecordCount", drawing_offset::RecordCount, 4},
    {"LevelNumber", drawing_offset::LevelNumber, 2},
    {"Value16b", drawing_offset::Value16b, 2},
    {"Doubles6", drawing_offset::Doubles6, 6 * 8},
    {"Singles20", drawing_offset::Singles20, 20 * 4},
    {"Ints8", drawing_offset::Ints8, 8 * 2},
    {"Singles2", drawing_offset::Singles2, 2 * 4},
    {"SecondSetting", drawing_offset::SecondSetting, 2},
    {"MachineSetting", drawing_offset::MachineSetting, 2},
    {"Pairs1", drawing_offset::Pairs1, 2 * 8},
    {"Pairs2", drawing_offset::Pairs2, 2 * 8},
    {"Tool", drawing_offset::Tool, ToolRecordSize},
    {"Tool2", drawing_offset::Tool2, ToolRecordSize},
    {"Tail30", drawing_offset::Tail30, 30},
}};

/// True when every field starts where the one before it ends and the last
/// ends at the record's end.
constexpr bool DrawingLayoutIsContiguous() {
    std::size_t next = 0;
    for (const DrawingField& field : DrawingLayout) {
        if (field.offset != next) return false;
        next = field.offset + field.size;
    }
    return next == DrawingRecordSize;
}
static_assert(DrawingLayoutIsContiguous(), "drawing record fields must tile 518 bytes");

constexpr std::size_t DrawingTextWidth = 18;
constexpr std::size_t DrawingMaterialWidth = 72;
constexpr std::size_t DrawingTailSize = 30;

/// Meanings of Singles20 in the header record (element 1 is index 0).
namespace header_single {
constexpr std::size_t SheetX = 0;          // element 1: sheet length X, mm
constexpr std::size_t SheetY = 1;          // element 2: sheet width Y, mm
constexpr std::size_t MaterialValue1 = 2;  // element 3
constexpr std::size_t LeftClamp = 6;       // element 7, mm
constexpr std::size_t RightClamp = 7;      // element 8, mm
constexpr std::size_t MaterialValue2 = 15; // element 16
}  // namespace header_single

/// The header's level number below which the settings fix-up applies.
constexpr std::int16_t CurrentLevelNumber = 1000;

struct DrawingRecord {
    std::int16_t EntityCode = 0;
    std::string Text18 = std::string(DrawingTextWidth, ' ');
    std::string MaterialName = std::string(DrawingMaterialWidth, ' ');
    std::int16_t Value16a = 0;
    std::int32_t RecordCount = 0;
    std::int16_t LevelNumber = 0;
    std::int16_t Value16b = 0;
    std::array<double, 6> Doubles6{};
    std::array<float, 20> Singles20{};
    std::array<std::int16_t, 8> Ints8{};
    std::array<float, 2> Singles2{};
    /// The header's second setting; in an entity record its sign field.
    std::int16_t SecondSetting = 0;
    std::int16_t MachineSetting = 0;
    std::array<double, 2> Pairs1{};
    std::array<double, 2> Pairs2{};
    ToolRecord Tool;   // the entity's tool
    ToolRecord Tool2;
    std::string Tail30 = std::string(DrawingTailSize, '\0');
    /// The bytes the record was decoded from (empty for a new record). A tool
    /// left as decoded is written back from them, so flag values other than
    /// -1 and 0 survive a rewrite.
    std::string Source;

    // Header values by name.
    float SheetX() const { return Singles20[header_single::SheetX]; }
    float SheetY() const { return Singles20[header_single::SheetY]; }
    float LeftClamp() const { return Singles20[header_single::LeftClamp]; }
    float RightClamp() const { return Singles20[header_single::RightClamp]; }
    float MaterialValue1() const { return Singles20[header_single::MaterialValue1]; }
    float MaterialValue2() const { return Singles20[header_single::MaterialValue2]; }
    void SetSheet(float x, float y) {
        Singles20[header_single::SheetX] = x;
        Singles20[header_single::SheetY] = y;
    }
    void SetClamps(float left, float right) {
        Singles20[header_single::LeftClamp] = left;
        Singles20[header_single::RightClamp] = right;
    }
    void SetMaterialValues(float value1, float value2) {
        Singles20[header_single::MaterialValue1] = value1;
        Singles20[header_single::MaterialValue2] = value2;
    }
    /// An entity's sign field (negated for codes 120 and 220 when the
    /// machine setting changes).
    std::int16_t SignField() const { return SecondSetting; }
};

/// The record held in bytes. A buffer shorter than a record reads as if
/// padded with zero bytes (as a record file pads a short write); bytes past
/// 518 are ignored.
DrawingRecord DecodeDrawingRecord(const std::string& bytes);

/// The 518 bytes of the record. Starts from Source when it is a whole record,
/// so a decoded record that was not changed encodes to the same bytes.
std::string EncodeDrawingRecord(const DrawingRecord& record);

}  // namespace qv
