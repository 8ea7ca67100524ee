// The punch tool record: its empty state, copy, text form and stored form.
#include "core/tooling/ToolRecord.h"

#include <cmath>

#include "core/common/Bytes.h"
#include "core/common/Numbers.h"
#include "core/common/Text.h"
#include "core/common/FormatNumber.h"

namespace qv {
namespace {
// Letters the text form accepts; "P" and "U" are kept but are no punch shapes.
const std::string TextFormLetters = "ABCDEFGHIJKLMSPU";

// Takes the text before the next comma, trimmed, and leaves the rest trimmed.
bool TakeField(std::string& rest, std::string& field) {
    const std::size_t comma = rest.find(',');
    if (comma == std::string::npos) return false;
    field = Trim(rest.substr(0, comma));
    rest = Trim(rest.substr(comma + 1));
    return true;
}

// Stored form: fields in record order, little-endian, no padding.
namespace Offset {
constexpr std::size_t Defined = 0;
constexpr std::size_t Shape = Defined + 2;
constexpr std::size_t Description = Shape + 1;
constexpr std::size_t Size = Description + ToolDescriptionWidth;
constexpr std::size_t Station = Size + 4 * 4;
constexpr std::size_t StationCode = Station + 2;
constexpr std::size_t Angle = StationCode + 2;
constexpr std::size_t IndexAngle = Angle + 4;
constexpr std::size_t Count = IndexAngle + 4;
constexpr std::size_t End = Count + 4;
}  // namespace Offset
static_assert(Offset::Size == 67 && Offset::Station == 83 && Offset::Count == 95,
              "tool record field offsets");
static_assert(Offset::End == ToolRecordSize, "tool record is 99 bytes");
}  // namespace

void ClearToolRecord(ToolRecord& record) { record = ToolRecord(); }

void CopyToolRecord(const ToolRecord& source, ToolRecord& target) {
    target = source;
    target.Description = FixedText(source.Description, ToolDescriptionWidth);
}

void ParseToolText(const std::string& text, ToolRecord& record) {
    ClearToolRecord(record);
    std::string rest = Trim(text);
    std::string field;

    if (!TakeField(rest, field)) return;
    if (field.size() != 1 || TextFormLetters.find(field[0]) == std::string::npos) return;
    record.Shape = field[0];

    if (!TakeField(rest, field)) return;
    record.Description = FixedText(field, ToolDescriptionWidth);

    for (float& size : record.Size) {
        if (!TakeField(rest, field)) return;
        size = static_cast<float>(LeadingNumber(field));
    }
    if (!TakeField(rest, field)) return;
    record.Station = TruncToInt16(LeadingNumber(field));
    if (!TakeField(rest, field)) return;
    record.StationCode = TruncToInt16(LeadingNumber(field));
    if (!TakeField(rest, field)) return;
    record.Angle = static_cast<float>(LeadingNumber(field));
    if (!TakeField(rest, field)) return;
    record.IndexAngle = static_cast<float>(LeadingNumber(field));

    const std::int32_t count = TruncToInt32(LeadingNumber(rest));
    record.Count = count < 1 ? 1 : count;
    record.Defined = true;
}

std::string SizeText(float size, Units units, int decimals) {
    switch (units) {
        case Units::Millimetres: return FormatNumber(RoundDecimals(size, decimals));
        case Units::Inches: return FormatNumber(RoundDecimals(size / 25.4, decimals));
        case Units::AsStored: break;
    }
    return FormatNumber(size);
}

std::string SizesText(char letter, const std::array<float, 4>& sizes, Units units, int decimals) {
    const ShapeInfo* shape = FindShape(letter);
    if (!shape) return "";
    std::string text;
    for (int i = 0; i < shape->partCount; ++i) {
        const ShapePart& part = shape->parts[i];
        float size = sizes[static_cast<std::size_t>(part.size - 1)];
        if (part.absolute) size = std::fabs(size);
        if (part.separator) text += part.separator;
        text += SizeText(size, units, decimals);
    }
    return text;
}

std::string DimensionText(const ToolRecord& record, Units units) {
    if (record.Shape == 'S') return Trim(record.Description);
    return SizesText(record.Shape, record.Size, units, units == Units::Inches ? 4 : 3);
}

void NormaliseShape(ToolRecord& record) {
    if (IsPunchShape(record.Shape)) return;
    record.Defined = false;
    record.Shape = 'U';
    record.Description = FixedText(ShapeName('U'), ToolDescriptionWidth);
}

bool IsAtLeastTen(std::int16_t x) { return x >= 10; }

bool IsNotMultipleOfTen(std::int16_t x) { return x % 10 != 0; }

bool IsIndexCode(std::int16_t x) { return x >= 20 && x <= 99; }

void EncodeToolRecord(const ToolRecord& record, std::string& buffer, std::size_t offset) {
    if (buffer.size() < offset + ToolRecordSize) buffer.resize(offset + ToolRecordSize, ' ');
    PutI16(buffer, offset + Offset::Defined, record.Defined ? -1 : 0);
    PutText(buffer, offset + Offset::Shape, 1, std::string(1, record.Shape));
    PutText(buffer, offset + Offset::Description, ToolDescriptionWidth, record.Description);
    for (std::size_t i = 0; i < record.Size.size(); ++i) {
        PutF32(buffer, offset + Offset::Size + 4 * i, record.Size[i]);
    }
    PutI16(buffer, offset + Offset::Station, record.Station);
    PutI16(buffer, offset + Offset::StationCode, record.StationCode);
    PutF32(buffer, offset + Offset::Angle, record.Angle);
    PutF32(buffer, offset + Offset::IndexAngle, record.IndexAngle);
    PutI32(buffer, offset + Offset::Count, record.Count);
}

ToolRecord DecodeToolRecord(const std::string& buffer, std::size_t offset) {
    ToolRecord record;
    ByteCursor cursor(buffer, offset);
    // Any non-zero flag counts as set; the suite writes -1.
    record.Defined = cursor.i16() != 0;
    const std::string shape = cursor.text(1);
    record.Shape = shape.empty() ? ' ' : shape[0];
    record.Description = cursor.text(ToolDescriptionWidth);
    for (float& size : record.Size) size = cursor.f32();
    record.Station = cursor.i16();
    record.StationCode = cursor.i16();
    record.Angle = cursor.f32();
    record.IndexAngle = cursor.f32();
    record.Count = cursor.i32();
    if (!cursor.ok()) return ToolRecord();
    return record;
}

}  // namespace qv
