// Reading a drawing into its display list, and what a view asks of the list.
#include <cmath>

#include "core/common/Bytes.h"
#include "core/workstation/DisplayList.h"
#include "core/workstation/DrawingRecord.h"
#include "core/workstation/RecordStream.h"

namespace qv {

namespace {
namespace at = drawing_offset;

struct OpenDrawing {
    std::unique_ptr<RecordScanner> scanner;
    std::string header;
};

Result<OpenDrawing> OpenForDisplay(const std::string& path) {
    const std::int64_t size = platform::Current().fileSize(path);
    if (size < 0) return Status::Error(path + ": the drawing does not exist", ErrorKind::NotFound);
    if (size < static_cast<std::int64_t>(DrawingRecordSize))
        return Status::Error(path + ": the drawing is too short to hold its header (" + std::to_string(size) +
                             " bytes)");
    if (size % static_cast<std::int64_t>(DrawingRecordSize) != 0)
        return Status::Error(path + ": the drawing is not whole 518-byte records (" + std::to_string(size) +
                             " bytes)");
    auto scanner = RecordScanner::Open(path, DrawingRecordSize);
    if (!scanner) return scanner.status();
    OpenDrawing open{std::move(scanner.value()), {}};
    Status read = open.scanner->next(open.header);
    if (!read) return read;
    const std::int16_t code = GetI16(open.header, at::EntityCode);
    if (code != 0)
        return Status::Error(path + ": record 1 is no drawing header (entity code " + std::to_string(code) + ")");
    const std::int32_t declared = GetI32(open.header, at::RecordCount);
    if (declared > open.scanner->count())
        return Status::Error(path + ": the drawing is cut short (the header counts " + std::to_string(declared) +
                             " records, the file holds " + std::to_string(open.scanner->count()) + ")");
    return open;
}
}  // namespace

Result<DisplayList> BuildDisplayList(const std::string& path, const DisplaySource& source) {
    return BuildDisplayList(path, source, DisplayList());
}

Result<DisplayList> BuildDisplayList(const std::string& path, const DisplaySource& source, DisplayList&& reuse) {
    auto open = OpenForDisplay(path);
    if (!open) return open.status();
    RecordScanner& scanner = *open->scanner;
    DisplayListBuilder builder(source, std::move(reuse));
    builder.reserve(static_cast<std::size_t>(scanner.count()));
    builder.add(open->header, 1);
    std::string record;
    while (!scanner.atEnd()) {
        const auto number = static_cast<std::uint32_t>(scanner.position());
        Status read = scanner.next(record);
        if (!read) return read;
        builder.add(record, number);
    }
    return builder.finish();
}

Result<DisplaySource> DrawingDisplaySource(const std::string& path) {
    auto open = OpenForDisplay(path);
    if (!open) return open.status();
    DisplaySource source;
    const auto single = [&](std::size_t i) { return GetF32(open->header, at::Singles20 + 4 * i); };
    source.SheetX = single(header_single::SheetX);
    source.SheetY = single(header_single::SheetY);
    source.LeftClamp = single(header_single::LeftClamp);
    source.RightClamp = single(header_single::RightClamp);
    return source;
}

Result<DisplayList> BuildDisplayList(const std::string& path) {
    Result<DisplaySource> source = DrawingDisplaySource(path);
    if (!source) return source.status();
    return BuildDisplayList(path, *source);
}

int HitAt(const DisplayList& list, double x, double y, double tolerance) {
    int best = -1;
    double bestEdge = HUGE_VAL, bestCentre = HUGE_VAL;
    for (std::size_t i = 0; i < list.Hits.size(); ++i) {
        const DisplayHit& h = list.Hits[i];
        const DrawBox& b = list.Outlines[h.Outline].Bounds;
        const double edge = b.distance(x - h.X, y - h.Y);
        if (edge > tolerance || edge > bestEdge) continue;
        const double centre = std::hypot(x - h.X, y - h.Y);
        if (edge < bestEdge || centre < bestCentre) {
            best = static_cast<int>(i);
            bestEdge = edge;
            bestCentre = centre;
        }
    }
    return best;
}

int StationAt(const DisplayList& list, double x, double y, double tolerance) {
    const int hit = HitAt(list, x, y, tolerance);
    return hit < 0 ? -1 : list.Hits[static_cast<std::size_t>(hit)].Station;
}

double MachineUnits(double mm, bool inchUnits) { return inchUnits ? mm / 25.4 : mm; }

DrawPoint MachinePoint(DrawPoint mm, bool inchUnits) {
    return {MachineUnits(mm.X, inchUnits), MachineUnits(mm.Y, inchUnits)};
}

}  // namespace qv
