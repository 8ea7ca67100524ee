// Encoding and decoding of shape file records by an explicit offset table.
#include "core/tooling/ShapeFile.h"

#include "core/common/Bytes.h"

namespace qv {
namespace {

struct Span {
    std::size_t offset;
    std::size_t size;
};

constexpr Span kShape{0, 1};
constexpr Span kName{1, LibraryNameWidth};
constexpr Span kSizes{19, 4 * 4};
constexpr Span kStations{35, 6 * 4};
constexpr Span kAngles{59, 6 * 4};
constexpr Span kUnused{83, 6};

constexpr bool Follows(Span a, Span b) { return a.offset + a.size == b.offset; }
static_assert(kShape.offset == 0 && Follows(kShape, kName) && Follows(kName, kSizes) &&
                  Follows(kSizes, kStations) && Follows(kStations, kAngles) &&
                  Follows(kAngles, kUnused),
              "shape record fields must follow one another");
static_assert(kUnused.offset + kUnused.size == ShapeRecordSize, "a shape record is 89 bytes");

bool IsBlankName(const std::string& name) {
    // An empty slot may hold spaces or zero bytes; neither is a name.
    for (char c : name)
        if (c != ' ' && c != '\0' && c != '\t') return false;
    return true;
}

}  // namespace

std::string EncodeShapeRecord(const LibraryEntry& entry) {
    std::string record(ShapeRecordSize, '\0');
    record[kShape.offset] = entry.shape;
    PutText(record, kName.offset, kName.size, entry.name);
    for (std::size_t i = 0; i < entry.size.size(); ++i)
        PutF32(record, kSizes.offset + 4 * i, entry.size[i]);
    for (std::size_t i = 0; i < entry.stations.size(); ++i) {
        PutI16(record, kStations.offset + 4 * i, entry.stations[i].first);
        PutI16(record, kStations.offset + 4 * i + 2, entry.stations[i].second);
    }
    for (std::size_t i = 0; i < entry.angles.size(); ++i)
        PutF32(record, kAngles.offset + 4 * i, entry.angles[i]);
    // Bytes of a shorter kept tail stay zero; a longer one is cut.
    record.replace(kUnused.offset, kUnused.size, entry.unused.substr(0, kUnused.size));
    record.resize(ShapeRecordSize, '\0');
    return record;
}

Result<LibraryEntry> DecodeShapeRecord(const std::string& record, std::int32_t recordNumber) {
    ByteCursor in(record);
    LibraryEntry entry;
    entry.recordNumber = recordNumber;
    const std::string shape = in.text(kShape.size);
    entry.name = in.text(kName.size);
    for (float& s : entry.size) s = in.f32();
    for (auto& slot : entry.stations) {
        slot.first = in.i16();
        slot.second = in.i16();
    }
    for (float& a : entry.angles) a = in.f32();
    entry.unused = in.text(kUnused.size);
    if (!in.ok())
        return Status::Error("record " + std::to_string(recordNumber) + ": " + in.error());
    entry.shape = shape[0];
    return entry;
}

bool IsLiveEntry(const LibraryEntry& entry, char fileLetter) {
    if (fileLetter == 'S') return !IsBlankName(entry.name);
    // Compared in single precision: a stored 0.1 is the limit itself.
    const float s1 = entry.size[0];
    return s1 > 0.1f && s1 < 1000.0f;
}

}  // namespace qv
