// The 518-byte drawing record: decoding and encoding over the offset table.
#include "core/workstation/DrawingRecord.h"

#include <cstring>

#include "core/common/Bytes.h"

namespace qv {
namespace {
namespace off = drawing_offset;

// Compared bit for bit, so a NaN equals itself and -0 differs from 0.
template <typename T>
bool SameBits(const T& a, const T& b) {
    return std::memcmp(&a, &b, sizeof(T)) == 0;
}

bool SameTool(const ToolRecord& a, const ToolRecord& b) {
    for (std::size_t i = 0; i < a.Size.size(); ++i) {
        if (!SameBits(a.Size[i], b.Size[i])) return false;
    }
    return a.Defined == b.Defined && a.Shape == b.Shape && a.Description == b.Description &&
           a.Station == b.Station && a.StationCode == b.StationCode && SameBits(a.Angle, b.Angle) &&
           SameBits(a.IndexAngle, b.IndexAngle) && a.Count == b.Count;
}

// A tool that still equals what the source bytes decode to is left as those
// bytes; otherwise it is encoded afresh.
void PutTool(std::string& buf, std::size_t offset, const ToolRecord& tool, const std::string& source) {
    if (source.size() == DrawingRecordSize && SameTool(tool, DecodeToolRecord(source, offset))) {
        buf.replace(offset, ToolRecordSize, source, offset, ToolRecordSize);
        return;
    }
    std::string bytes;
    EncodeToolRecord(tool, bytes, 0);
    buf.replace(offset, ToolRecordSize, bytes, 0, ToolRecordSize);
}
}  // namespace

DrawingRecord DecodeDrawingRecord(const std::string& bytes) {
    std::string buf = bytes.substr(0, DrawingRecordSize);
    buf.resize(DrawingRecordSize, '\0');

    DrawingRecord r;
    r.EntityCode = GetI16(buf, off::EntityCode);
    r.Text18 = GetText(buf, off::Text18, DrawingTextWidth);
    r.MaterialName = GetText(buf, off::MaterialName, DrawingMaterialWidth);
    r.Value16a = GetI16(buf, off::Value16a);
    r.RecordCount = GetI32(buf, off::RecordCount);
    r.LevelNumber = GetI16(buf, off::LevelNumber);
    r.Value16b = GetI16(buf, off::Value16b);
    for (std::size_t i = 0; i < r.Doubles6.size(); ++i) r.Doubles6[i] = GetF64(buf, off::Doubles6 + 8 * i);
    for (std::size_t i = 0; i < r.Singles20.size(); ++i) r.Singles20[i] = GetF32(buf, off::Singles20 + 4 * i);
    for (std::size_t i = 0; i < r.Ints8.size(); ++i) r.Ints8[i] = GetI16(buf, off::Ints8 + 2 * i);
    for (std::size_t i = 0; i < r.Singles2.size(); ++i) r.Singles2[i] = GetF32(buf, off::Singles2 + 4 * i);
    r.SecondSetting = GetI16(buf, off::SecondSetting);
    r.MachineSetting = GetI16(buf, off::MachineSetting);
    for (std::size_t i = 0; i < 2; ++i) {
        r.Pairs1[i] = GetF64(buf, off::Pairs1 + 8 * i);
        r.Pairs2[i] = GetF64(buf, off::Pairs2 + 8 * i);
    }
    r.Tool = DecodeToolRecord(buf, off::Tool);
    r.Tool2 = DecodeToolRecord(buf, off::Tool2);
    r.Tail30 = GetText(buf, off::Tail30, DrawingTailSize);
    r.Source = std::move(buf);
    return r;
}

std::string EncodeDrawingRecord(const DrawingRecord& r) {
    std::string buf = r.Source.size() == DrawingRecordSize ? r.Source : std::string(DrawingRecordSize, '\0');

    PutI16(buf, off::EntityCode, r.EntityCode);
    PutText(buf, off::Text18, DrawingTextWidth, r.Text18);
    PutText(buf, off::MaterialName, DrawingMaterialWidth, r.MaterialName);
    PutI16(buf, off::Value16a, r.Value16a);
    PutI32(buf, off::RecordCount, r.RecordCount);
    PutI16(buf, off::LevelNumber, r.LevelNumber);
    PutI16(buf, off::Value16b, r.Value16b);
    for (std::size_t i = 0; i < r.Doubles6.size(); ++i) PutF64(buf, off::Doubles6 + 8 * i, r.Doubles6[i]);
    for (std::size_t i = 0; i < r.Singles20.size(); ++i) PutF32(buf, off::Singles20 + 4 * i, r.Singles20[i]);
    for (std::size_t i = 0; i < r.Ints8.size(); ++i) PutI16(buf, off::Ints8 + 2 * i, r.Ints8[i]);
    for (std::size_t i = 0; i < r.Singles2.size(); ++i) PutF32(buf, off::Singles2 + 4 * i, r.Singles2[i]);
    PutI16(buf, off::SecondSetting, r.SecondSetting);
    PutI16(buf, off::MachineSetting, r.MachineSetting);
    for (std::size_t i = 0; i < 2; ++i) {
        PutF64(buf, off::Pairs1 + 8 * i, r.Pairs1[i]);
        PutF64(buf, off::Pairs2 + 8 * i, r.Pairs2[i]);
    }
    PutTool(buf, off::Tool, r.Tool, r.Source);
    PutTool(buf, off::Tool2, r.Tool2, r.Source);
    // The raw tail: a shorter block is padded with zero bytes, never spaces,
    // since it is not text.
    std::string tail = r.Tail30.substr(0, DrawingTailSize);
    tail.resize(DrawingTailSize, '\0');
    buf.replace(off::Tail30, DrawingTailSize, tail);
    return buf;
}

}  // namespace qv
