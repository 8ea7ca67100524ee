// What a drawing shows: the sheet, the clamps, every hit as its tool's
// outline, and the clamp repositionings, in millimetres with Y up.
//
// Hits are stored compactly; an outline is made once per distinct tool and
// angle and shared by every hit that uses it.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/common/State.h"
#include "core/tooling/ToolRecord.h"
#include "core/workstation/ReverseRunState.h"
#include "core/workstation/ShapeOutline.h"
#include "platform/Result.h"

namespace qv {

/// A clamp as drawn: this wide along X, reaching this far below and above
/// the sheet's lower edge, centred on its position.
constexpr double ClampWidth = 60;
constexpr double ClampDepth = 30;
/// Clamp repositioning arrows run below the clamps, one row apart.
constexpr double ArrowRowGap = 20;

enum HitFlag : std::uint8_t {
    HitConfirmed = 1,   // the hit's tool is confirmed
    HitFromCircle = 2,  // one hole of a bolt-hole circle
};

struct DisplayHit {
    float X = 0;  // mm
    float Y = 0;
    std::uint32_t Outline = 0;  // index into DisplayList::Outlines
    std::uint32_t Record = 0;   // drawing record number it came from
    std::int16_t Station = 0;
    std::uint8_t Flags = 0;
    bool confirmed() const { return (Flags & HitConfirmed) != 0; }
};

struct DisplayArrow {
    DrawPoint From, To;  // mm
    double Distance = 0;  // as the entity holds it
    std::int16_t Sign = 1;  // the entity's sign field: direction of the move
    std::uint32_t Record = 0;
};

struct DisplayList {
    DrawBox Sheet;                     // empty when the sheet has no size
    std::vector<DrawBox> Clamps;       // the clamps that have a position
    std::vector<ShapeOutline> Outlines;
    std::vector<DisplayHit> Hits;
    std::vector<DisplayArrow> Arrows;
    DrawBox Extent;  // everything above
    std::int64_t Records = 0;  // records read, header included
    std::int64_t Skipped = 0;  // entities not drawn: kinds a view leaves out, damaged geometry
    /// Different for every list built, so a painter can tell a list rebuilt
    /// in place from the one it drew before.
    std::uint64_t Generation = 0;

    /// Angle (degrees) a hit is drawn at.
    float angleOf(const DisplayHit& hit) const { return Outlines[hit.Outline].Angle; }
    /// Bounds of a hit's outline at its position.
    DrawBox boundsOf(const DisplayHit& hit) const;
    /// Bytes held by the list (hits, outlines, arrows, clamps).
    std::size_t memoryBytes() const;
};

/// What the list is drawn with besides the drawing: the sheet and clamps as
/// numbers in mm, and the tooling.
struct DisplaySource {
    double SheetX = 0, SheetY = 0, LeftClamp = 0, RightClamp = 0;
    /// True: each entity's own tool, counted confirmed. False: the tool of
    /// the entity's station in Tools (when that slot holds a shape), with
    /// Confirmed telling whether the user confirmed it; a station without one
    /// falls back to the entity's tool, unconfirmed.
    bool EntityTools = true;
    std::array<ToolRecord, TurretSlots> Tools{};
    std::array<bool, TurretSlots> Confirmed{};
};

/// The panel's source: its sheet values (X, Y, left, right clamp, mm) and
/// the run's turret tools, confirmed where the user confirmed them.
DisplaySource PanelDisplaySource(const ReverseRunState& run, const std::array<double, 4>& sheetValues);
/// The same from the panel's sheet and clamp box texts, taken as accepting
/// takes them: evaluated, in mm, with the machine's sheet and clamp rules.
DisplaySource PanelDisplaySource(const ReverseRunState& run, const std::array<std::string, 4>& boxTexts,
                                 const Machine& machine);

/// Adds records one at a time (header first); for callers that hold records
/// in memory. BuildDisplayList streams a file through it.
class DisplayListBuilder {
public:
    explicit DisplayListBuilder(DisplaySource source);
    /// Builds into the storage of `reuse`, a list being replaced: memory
    /// touched for the first time is costly at hundreds of thousands of hits.
    DisplayListBuilder(DisplaySource source, DisplayList&& reuse);
    ~DisplayListBuilder();
    /// One 518-byte record; `number` counts from 1 (the header).
    void add(const std::string& record, std::uint32_t number);
    /// Reserves room for this many hits.
    void reserve(std::size_t hits);
    DisplayList finish();

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

/// Reads the drawing at `path` record by record. A missing file, one that is
/// not whole records, one without a header or with a header that is not
/// one gives an error naming the file.
Result<DisplayList> BuildDisplayList(const std::string& path, const DisplaySource& source);
/// The same, reusing the storage of the list it replaces (left empty).
Result<DisplayList> BuildDisplayList(const std::string& path, const DisplaySource& source, DisplayList&& reuse);

/// The drawing's own sheet and clamps (from its header), entity tools.
Result<DisplaySource> DrawingDisplaySource(const std::string& path);
/// The drawing as it stands: built with its own DrawingDisplaySource.
Result<DisplayList> BuildDisplayList(const std::string& path);

/// Index of the hit nearest (x, y) whose outline lies within `tolerance`
/// (mm) of it, -1 when none does.
int HitAt(const DisplayList& list, double x, double y, double tolerance);
/// The station of that hit, -1 when there is none.
int StationAt(const DisplayList& list, double x, double y, double tolerance);

/// A length or coordinate in the machine's units for read-outs (inches on
/// an inch machine).
double MachineUnits(double mm, bool inchUnits);
DrawPoint MachinePoint(DrawPoint mm, bool inchUnits);

}  // namespace qv
