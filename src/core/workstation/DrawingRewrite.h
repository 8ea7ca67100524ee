// What accepting a reverse run does to each record of the processor's
// drawing: the header takes the user's sheet, clamps and material; entities
// take the confirmed tools or lose theirs, and some kinds are dropped.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/tooling/ToolRecord.h"
#include "core/workstation/DrawingRecord.h"
#include "core/workstation/ReverseRunState.h"
#include "core/workstation/SheetBoxes.h"

namespace qv {

struct HeaderValues {
    SheetEntry sheet;
    std::string materialName;
    float materialValue1 = 0;
    float materialValue2 = 0;
    std::int16_t machineValue4 = 0;
};

/// Puts the values into the header and brings its machine setting to the
/// machine's. True when the setting had to change (entities of codes 120
/// and 220 then get their sign field negated).
bool RewriteDrawingHeader(DrawingRecord& header, const HeaderValues& values);

enum class EntityTreatment {
    Retool,           // 210, 225, 130, 151, 230, 152 to 156
    NegateAndRetool,  // 120, 220
    ClearTool,        // 110, 311, 312, 321, 350, 355
    Drop,             // any other code
};

EntityTreatment EntityTreatmentOf(std::int16_t code);

/// Treats entity records in place (518 bytes each). The tool of a record's
/// station is copied in when confirmed, keeping the record's index angle
/// only in an indexable station; otherwise the tool is cleared. Bytes not
/// concerned are left as they are. The tools are encoded once, since a
/// drawing may hold hundreds of thousands of entities.
class EntityRewriter {
public:
    EntityRewriter(const std::array<ToolRecord, TurretSlots>& turret, bool settingChanged);
    /// False when the record is to be dropped.
    bool rewrite(std::string& record) const;

private:
    std::string cleared_;                            // a cleared tool's bytes
    std::array<std::string, TurretSlots> confirmed_;  // "" when not confirmed
    std::array<bool, TurretSlots> indexable_{};
    bool settingChanged_;
};

}  // namespace qv
