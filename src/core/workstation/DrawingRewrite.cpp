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

bool RewriteEntityRecord(std::string& record, const std::array<ToolRecord, TurretSlots>& turret,
                         bool settingChanged) {
    if (record.size() != DrawingRecordSize) record.resize(DrawingRecordSize, '\0');
    const EntityTreatment treatment = EntityTreatmentOf(GetI16(record, drawing_offset::EntityCode));
    if (treatment == EntityTreatment::Drop) return false;

    if (treatment == EntityTreatment::NegateAndRetool && settingChanged) {
        const int sign = GetI16(record, drawing_offset::SecondSetting);
        PutI16(record, drawing_offset::SecondSetting, static_cast<std::int16_t>(-sign));
    }

    ToolRecord tool = DecodeToolRecord(record, drawing_offset::Tool);
    const bool known = tool.Station >= 0 && tool.Station < static_cast<int>(TurretSlots);
    const ToolRecord* confirmed = known ? &turret[static_cast<std::size_t>(tool.Station)] : nullptr;
    if (treatment != EntityTreatment::ClearTool && confirmed && confirmed->Defined) {
        const float indexAngle = tool.IndexAngle;
        CopyToolRecord(*confirmed, tool);
        tool.IndexAngle = IsIndexCode(tool.StationCode) ? indexAngle : 0.0f;
    } else {
        ClearToolRecord(tool);
    }
    EncodeToolRecord(tool, record, drawing_offset::Tool);
    return true;
}

}  // namespace qv
