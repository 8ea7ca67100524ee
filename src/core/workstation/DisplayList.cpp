// Building the display list from a drawing's records, one record at a time.
#include "core/workstation/DisplayList.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstring>
#include <unordered_map>

#include "core/common/Bytes.h"
#include "core/workstation/DrawingRecord.h"
#include "core/workstation/SheetBoxes.h"
#include "core/workstation/TurretTable.h"

namespace qv {

DrawBox DisplayList::boundsOf(const DisplayHit& hit) const {
    const DrawBox& b = Outlines[hit.Outline].Bounds;
    return DrawBox::Of(hit.X + b.MinX, hit.Y + b.MinY, hit.X + b.MaxX, hit.Y + b.MaxY);
}

std::size_t DisplayList::memoryBytes() const {
    std::size_t bytes = sizeof(DisplayList) + Hits.capacity() * sizeof(DisplayHit) +
                        Arrows.capacity() * sizeof(DisplayArrow) + Clamps.capacity() * sizeof(DrawBox) +
                        Outlines.capacity() * sizeof(ShapeOutline);
    for (const ShapeOutline& o : Outlines) {
        bytes += o.Contours.capacity() * sizeof(Contour) + o.Label.capacity();
        for (const Contour& c : o.Contours) bytes += c.Points.capacity() * sizeof(DrawPoint);
    }
    return bytes;
}

DisplaySource PanelDisplaySource(const ReverseRunState& run, const std::array<double, 4>& sheetValues) {
    DisplaySource source;
    source.SheetX = sheetValues[0];
    source.SheetY = sheetValues[1];
    source.LeftClamp = sheetValues[2];
    source.RightClamp = sheetValues[3];
    source.EntityTools = false;
    source.Tools = run.TurretTools;
    for (std::size_t s = 0; s < TurretSlots; ++s) source.Confirmed[s] = IsConfirmedTool(run.TurretTools[s]);
    return source;
}

DisplaySource PanelDisplaySource(const ReverseRunState& run, const std::array<std::string, 4>& boxTexts,
                                 const Machine& machine) {
    const SheetEntry sheet = ApplySheetRules(EvaluateSheetBoxes(boxTexts, machine.InchUnits), machine);
    return PanelDisplaySource(run, {sheet.X, sheet.Y, sheet.LeftClamp, sheet.RightClamp});
}

namespace {
namespace at = drawing_offset;

// Coordinates beyond a kilometre are damage, not geometry; they would
// spoil the extent a view fits to.
constexpr double MaxCoordinate = 1e6;

// The parts of an entity's tool a hit needs, read straight from the bytes.
ToolRecord EntityTool(const std::string& r) {
    ToolRecord t;
    const std::size_t o = at::Tool;
    t.Defined = GetI16(r, o) != 0;
    t.Shape = r[o + 2];
    if (t.Shape == 'S') t.Description = GetText(r, o + 3, ToolDescriptionWidth);
    for (std::size_t i = 0; i < 4; ++i) t.Size[i] = GetF32(r, o + 67 + 4 * i);
    t.Station = GetI16(r, o + 83);
    t.StationCode = GetI16(r, o + 85);
    t.Angle = GetF32(r, o + 87);
    t.IndexAngle = GetF32(r, o + 91);
    return t;
}

// Callers pass whole records only; hosts are little-endian, as the file is.
double Double(const std::string& r, std::size_t i) {
    double value;
    std::memcpy(&value, r.data() + at::Doubles6 + 8 * i, sizeof value);
    return value;
}

// Angles kept to 0.001 degree in [0, 360), so equal turns share an outline.
float NormalAngle(double degrees) {
    if (!std::isfinite(degrees)) return 0;
    double a = std::fmod(std::round(degrees * 1000) / 1000, 360.0);
    if (a < 0) a += 360;
    return a >= 360 ? 0.0f : static_cast<float>(a);
}
}  // namespace

struct DisplayListBuilder::Impl {
    DisplaySource source;
    DisplayList list;
    std::unordered_map<std::string, std::uint32_t> outlines;
    double clampAt = 0;  // where the left clamp stands after the moves so far

    std::uint32_t outlineOf(const ToolRecord& tool, float angle) {
        if (tool.Shape == 'S') angle = 0;  // markers stay upright
        std::string key(1, tool.Shape);
        key.append(reinterpret_cast<const char*>(tool.Size.data()), sizeof(float) * 4);
        key.append(reinterpret_cast<const char*>(&angle), sizeof angle);
        if (tool.Shape == 'S') key += tool.Description;
        auto found = outlines.find(key);
        if (found == outlines.end()) {
            found = outlines.emplace(std::move(key), static_cast<std::uint32_t>(list.Outlines.size())).first;
            list.Outlines.push_back(MakeShapeOutline(tool, angle));
        }
        return found->second;
    }

    // What a hit's tool comes to: its outline and whether it is confirmed.
    struct Resolved {
        std::uint32_t outline = 0;
        bool confirmed = false;
        std::int16_t station = 0;
    };

    Resolved resolve(const ToolRecord& entity) {
        const ToolRecord* tool = &entity;
        bool confirmed = source.EntityTools;
        const int station = entity.Station;
        if (!source.EntityTools && station >= 0 && station < static_cast<int>(TurretSlots) &&
            source.Tools[static_cast<std::size_t>(station)].Shape != ' ') {
            tool = &source.Tools[static_cast<std::size_t>(station)];
            confirmed = source.Confirmed[static_cast<std::size_t>(station)];
        }
        // A tool in an indexable station turns by the hit's own index angle,
        // any other by its fixed angle, as the accepted drawing will hold it.
        const double angle = IsIndexCode(tool->StationCode) ? entity.IndexAngle : tool->Angle;
        return {outlineOf(*tool, NormalAngle(angle)), confirmed, entity.Station};
    }

    // Most hits repeat a tool seen just before. What decides a hit's
    // outline is the tool's shape letter and its numbers (bytes 67 to 94 of
    // the tool: sizes, station, code, angles), and a Special's name: those
    // bytes find what the tool came to without decoding it again.
    static constexpr std::size_t NumbersAt = 67, NumbersSize = 28, ToolKeyEnd = NumbersAt + NumbersSize;
    struct Recent {
        char numbers[NumbersSize];
        char shape;
        Resolved resolved;
    };
    Recent recent[4]{};
    std::size_t recentCount = 0;
    struct ToolKey {
        char bytes[32];  // the shape letter, then the numbers, zero padded
        bool operator==(const ToolKey& o) const { return std::memcmp(bytes, o.bytes, sizeof bytes) == 0; }
    };
    struct ToolKeyHash {
        std::size_t operator()(const ToolKey& k) const {
            std::uint64_t h = 0x9E3779B97F4A7C15ull;
            for (std::size_t i = 0; i < sizeof k.bytes; i += 8) {
                std::uint64_t w;
                std::memcpy(&w, k.bytes + i, 8);
                h = (h ^ w) * 0xFF51AFD7ED558CCDull;
            }
            return static_cast<std::size_t>(h ^ (h >> 31));
        }
    };
    std::unordered_map<ToolKey, Resolved, ToolKeyHash> seen;
    std::unordered_map<std::string, Resolved> specials;  // by name as well

    Resolved resolve(const std::string& record) {
        const char* tool = record.data() + at::Tool;
        const char shape = tool[2];
        if (shape == 'S') {
            const std::string key(tool, ToolKeyEnd);  // the name counts too
            auto found = specials.find(key);
            if (found == specials.end()) found = specials.emplace(key, resolve(EntityTool(record))).first;
            return found->second;
        }
        const std::size_t held = std::min<std::size_t>(recentCount, 4);
        for (std::size_t i = 0; i < held; ++i)
            if (recent[i].shape == shape && std::memcmp(recent[i].numbers, tool + NumbersAt, NumbersSize) == 0)
                return recent[i].resolved;
        ToolKey key{};
        key.bytes[0] = shape;
        std::memcpy(key.bytes + 1, tool + NumbersAt, NumbersSize);
        auto found = seen.find(key);
        if (found == seen.end()) found = seen.emplace(key, resolve(EntityTool(record))).first;
        Recent& slot = recent[recentCount++ % 4];
        std::memcpy(slot.numbers, tool + NumbersAt, NumbersSize);
        slot.shape = shape;
        slot.resolved = found->second;
        return found->second;
    }

    void addHit(double x, double y, const Resolved& tool, std::uint32_t number, std::uint8_t flags) {
        if (!(std::fabs(x) <= MaxCoordinate) || !(std::fabs(y) <= MaxCoordinate)) {
            ++list.Skipped;
            return;
        }
        DisplayHit hit;
        hit.X = static_cast<float>(x);
        hit.Y = static_cast<float>(y);
        hit.Outline = tool.outline;
        hit.Record = number;
        hit.Station = tool.station;
        hit.Flags = static_cast<std::uint8_t>(flags | (tool.confirmed ? HitConfirmed : 0));
        list.Hits.push_back(hit);
    }

    void addCircle(const std::string& r, std::uint32_t number) {
        const double cx = Double(r, 0), cy = Double(r, 1), radius = Double(r, 2), start = Double(r, 3);
        const double count = Double(r, 4);
        if (!(std::fabs(radius) <= MaxCoordinate) || !std::isfinite(start) || !(count >= 1 && count <= 100000)) {
            ++list.Skipped;
            return;
        }
        const Resolved tool = resolve(r);
        const int holes = static_cast<int>(std::lround(count));
        for (int k = 0; k < holes; ++k) {
            const double a = (start + 360.0 * k / holes) * 3.14159265358979323846 / 180;
            addHit(cx + radius * std::cos(a), cy + radius * std::sin(a), tool, number, HitFromCircle);
        }
    }

    // A processor may write a circle's holes as single hits too: each hole
    // is kept once, as the single hit (it carries the block's own angle).
    void mergeCircleHoles() {
        std::unordered_map<std::uint64_t, std::size_t> holes;
        const auto key = [](const DisplayHit& h) {
            const auto x = static_cast<std::uint64_t>(std::llround(double(h.X) * 100)) & 0xFFFFFF;
            const auto y = static_cast<std::uint64_t>(std::llround(double(h.Y) * 100)) & 0xFFFFFF;
            return (x << 40) | (y << 16) | static_cast<std::uint16_t>(h.Station);
        };
        for (std::size_t i = 0; i < list.Hits.size(); ++i)
            if (list.Hits[i].Flags & HitFromCircle) holes.emplace(key(list.Hits[i]), i);
        if (holes.empty()) return;
        std::vector<bool> drop(list.Hits.size(), false);
        for (DisplayHit& h : list.Hits) {
            if (h.Flags & HitFromCircle) continue;
            const auto found = holes.find(key(h));
            if (found == holes.end() || drop[found->second]) continue;
            const DisplayHit& hole = list.Hits[found->second];
            if (std::fabs(hole.X - h.X) > 0.011f || std::fabs(hole.Y - h.Y) > 0.011f) continue;  // key wrapped
            drop[found->second] = true;
            h.Flags |= HitFromCircle;
        }
        std::size_t out = 0;
        for (std::size_t i = 0; i < list.Hits.size(); ++i)
            if (!drop[i]) list.Hits[out++] = list.Hits[i];
        list.Hits.resize(out);
    }

    void addArrow(const std::string& r, std::uint32_t number) {
        const double distance = Double(r, 0);
        if (!(std::fabs(distance) <= MaxCoordinate)) {
            ++list.Skipped;
            return;
        }
        DisplayArrow arrow;
        arrow.Distance = distance;
        arrow.Sign = GetI16(r, at::SecondSetting) < 0 ? -1 : 1;
        arrow.Record = number;
        const double y = -ClampDepth - ArrowRowGap * static_cast<double>(list.Arrows.size() + 1);
        arrow.From = {clampAt, y};
        clampAt += arrow.Sign * distance;
        arrow.To = {clampAt, y};
        list.Arrows.push_back(arrow);
    }
};

DisplayListBuilder::DisplayListBuilder(DisplaySource source) : impl_(std::make_unique<Impl>()) {
    impl_->source = std::move(source);
    const DisplaySource& s = impl_->source;
    DisplayList& list = impl_->list;
    if (s.SheetX > 0 && s.SheetY > 0) list.Sheet = DrawBox::Of(0, 0, s.SheetX, s.SheetY);
    for (double clamp : {s.LeftClamp, s.RightClamp})
        if (clamp > 0)
            list.Clamps.push_back(DrawBox::Of(clamp - ClampWidth / 2, -ClampDepth, clamp + ClampWidth / 2, ClampDepth));
    impl_->clampAt = s.LeftClamp > 0 ? s.LeftClamp : 0;
}

DisplayListBuilder::DisplayListBuilder(DisplaySource source, DisplayList&& reuse)
    : DisplayListBuilder(std::move(source)) {
    std::vector<DisplayHit>& hits = impl_->list.Hits;
    hits = std::move(reuse.Hits);
    hits.clear();
    reuse = DisplayList();
}

DisplayListBuilder::~DisplayListBuilder() = default;

void DisplayListBuilder::reserve(std::size_t hits) { impl_->list.Hits.reserve(hits); }

void DisplayListBuilder::add(const std::string& record, std::uint32_t number) {
    ++impl_->list.Records;
    if (number <= 1 || record.size() < DrawingRecordSize) return;
    switch (GetI16(record, at::EntityCode)) {
        case 210: impl_->addHit(Double(record, 0), Double(record, 1), impl_->resolve(record), number, 0); break;
        case 220: impl_->addCircle(record, number); break;
        case 120: impl_->addArrow(record, number); break;
        case 110: case 311: case 312: break;  // sheet and clamps come from the source
        default: ++impl_->list.Skipped; break;
    }
}

DisplayList DisplayListBuilder::finish() {
    static std::atomic<std::uint64_t> generations{0};
    DisplayList& list = impl_->list;
    list.Generation = ++generations;
    impl_->mergeCircleHoles();
    if (list.Hits.capacity() - list.Hits.size() > list.Hits.size() / 8) list.Hits.shrink_to_fit();
    list.Extent = list.Sheet;
    for (const DrawBox& c : list.Clamps) list.Extent.add(c);
    for (const DisplayArrow& a : list.Arrows) {
        list.Extent.add(a.From.X, a.From.Y);
        list.Extent.add(a.To.X, a.To.Y);
    }
    if (!list.Hits.empty()) {
        float minX = HUGE_VALF, minY = HUGE_VALF, maxX = -HUGE_VALF, maxY = -HUGE_VALF;
        for (const DisplayHit& h : list.Hits) {
            const DrawBox& b = list.Outlines[h.Outline].Bounds;
            minX = std::min(minX, h.X + float(b.MinX));
            minY = std::min(minY, h.Y + float(b.MinY));
            maxX = std::max(maxX, h.X + float(b.MaxX));
            maxY = std::max(maxY, h.Y + float(b.MaxY));
        }
        list.Extent.add(minX, minY);
        list.Extent.add(maxX, maxY);
    }
    return std::move(list);
}

}  // namespace qv
