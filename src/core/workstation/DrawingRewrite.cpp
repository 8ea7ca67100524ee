// Header and entity rules of an accepted drawing.
#include "core/workstation/DrawingRewrite.h"

#include "core/common/Bytes.h"
#include "core/common/Text.h"

namespace qv {

bool RewriteDrawingHeader(DrawingRecord& header, const HeaderValues& values) {
    header.MaterialName = FixedText(values.materialName, DrawingMaterialWidth);
    header.SetSheet(values.sheet.X, values.sheet.Y);
    header.SetMaterialValues(values.materialValue1, values.materialValue2);
    header.SetClamps(values.sheet.LeftClamp, values.sheet.RightClamp);
    // Drawings of older levels stored the two settings the other way round.
    if (header.LevelNumber < CurrentLevelNumber && header.MachineSetting == 0 && header.SecondSetting == 1) {
        header.MachineSetting = 1;
        header.SecondSetting = 0;
    }
    if (header.MachineSetting == values.machineValue4) return false;
    header.MachineSetting = values.machineValue4;
    return true;
}

EntityTreatment EntityTreatmentOf(std::int16_t code) {
    switch (code) {
    case 210: case 225: case 130: case 151: case 230:
    case 152: case 153: case 154: case 155: case 156:
        return EntityTreatment::Retool;
    case 120: case 220:
        return EntityTreatment::NegateAndRetool;
    case 110: case 311: case 312: case 321: case 350: case 355:
        return EntityTreatment::ClearTool;
    default:
        return EntityTreatment::Drop;
    }
}

namespace {
// Fields of a tool in its stored form.
constexpr std::size_t ToolStationOffset = 83;
constexpr std::size_t ToolIndexAngleOffset = 91;
}  // namespace

EntityRewriter::EntityRewriter(const std::array<ToolRecord, TurretSlots>& turret, bool settingChanged)
    : settingChanged_(settingChanged) {
    ToolRecord cleared;
    ClearToolRecord(cleared);
    EncodeToolRecord(cleared, cleared_, 0);
    for (std::size_t s = 0; s < TurretSlots; ++s) {
        if (!turret[s].Defined) continue;
        ToolRecord tool;
        CopyToolRecord(turret[s], tool);
        EncodeToolRecord(tool, confirmed_[s], 0);
        indexable_[s] = IsIndexCode(tool.StationCode);
    }
}

bool EntityRewriter::rewrite(std::string& record) const {
    if (record.size() != DrawingRecordSize) record.resize(DrawingRecordSize, '\0');
    const EntityTreatment treatment = EntityTreatmentOf(GetI16(record, drawing_offset::EntityCode));
    if (treatment == EntityTreatment::Drop) return false;

    if (treatment == EntityTreatment::NegateAndRetool && settingChanged_) {
        const int sign = GetI16(record, drawing_offset::SecondSetting);
        PutI16(record, drawing_offset::SecondSetting, static_cast<std::int16_t>(-sign));
    }

    const std::size_t tool = drawing_offset::Tool;
    const int station = GetI16(record, tool + ToolStationOffset);
    const bool known = station >= 0 && station < static_cast<int>(TurretSlots);
    const auto s = static_cast<std::size_t>(known ? station : 0);
    if (treatment != EntityTreatment::ClearTool && known && !confirmed_[s].empty()) {
        const float indexAngle = GetF32(record, tool + ToolIndexAngleOffset);
        record.replace(tool, ToolRecordSize, confirmed_[s]);
        PutF32(record, tool + ToolIndexAngleOffset, indexable_[s] ? indexAngle : 0.0f);
    } else {
        record.replace(tool, ToolRecordSize, cleared_);
    }
    return true;
}

}  // namespace qv
