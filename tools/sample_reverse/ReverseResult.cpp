// Turns a parsed program into the sheet, the station list and the drawing.
#include "ReverseResult.h"

#include "core/common/Text.h"
#include "core/tooling/ShapeTable.h"

namespace qv::revsample {
namespace {
DrawingRecord Entity(std::int16_t code, std::initializer_list<double> doubles) {
    DrawingRecord record;
    record.EntityCode = code;
    std::size_t i = 0;
    for (double value : doubles) record.Doubles6[i++] = value;
    return record;
}
}  // namespace

ReverseSheet SheetOf(const PunchProgram& program) {
    ReverseSheet sheet;
    sheet.Values = {program.SheetX, program.SheetY, program.LeftClamp, program.RightClamp};
    return sheet;
}

ToolRecord StationTool(const PunchProgram& program, std::int16_t station) {
    ToolRecord tool;
    ClearToolRecord(tool);
    tool.Station = station;
    tool.StationCode = FixedStationCode;
    tool.Count = 1;
    const ToolComment* comment = program.FindTool(station);
    if (!comment) {
        tool.Shape = 'U';
        tool.Description = FixedText(ShapeName('U'), ToolDescriptionWidth);
        return tool;
    }
    tool.Shape = comment->Shape;
    tool.Defined = IsPunchShape(comment->Shape);
    const std::string name = comment->Shape == 'S' ? comment->SpecialName : ShapeName(comment->Shape);
    tool.Description = FixedText(name, ToolDescriptionWidth);
    for (std::size_t i = 0; i < 4; ++i) tool.Size[i] = static_cast<float>(comment->Size[i]);
    if (comment->Indexable) tool.StationCode = IndexStationCode;
    return tool;
}

std::vector<ReverseTool> ToolsOf(const PunchProgram& program) {
    std::vector<ReverseTool> tools;
    for (std::int16_t station : program.StationOrder) {
        const ToolRecord record = StationTool(program, station);
        ReverseTool tool;
        tool.Station = station;
        tool.Shape = std::string(1, record.Shape);
        // The padded shape name, as the workstation shows it; a special keeps
        // its own name, which is what lists show for it.
        const ToolComment* comment = program.FindTool(station);
        tool.Description = (comment && comment->Shape == 'S') ? comment->SpecialName : ShapeName(record.Shape);
        tool.Size = record.Size;
        tool.StationCode = record.StationCode;
        tools.push_back(tool);
    }
    return tools;
}

std::vector<DrawingRecord> DrawingOf(const PunchProgram& program, const std::string& programName) {
    std::vector<DrawingRecord> records;
    DrawingRecord header;
    header.EntityCode = 0;
    header.Text18 = FixedText(programName, DrawingTextWidth);
    header.LevelNumber = CurrentLevelNumber;
    header.MachineSetting = 0;
    header.SecondSetting = 0;
    header.SetSheet(static_cast<float>(program.SheetX), static_cast<float>(program.SheetY));
    header.SetClamps(static_cast<float>(program.LeftClamp), static_cast<float>(program.RightClamp));
    header.SetMaterialValues(static_cast<float>(program.Thickness), 0);
    records.push_back(header);

    records.push_back(Entity(110, {0, 0, program.SheetX, program.SheetY}));
    records.push_back(Entity(311, {program.LeftClamp}));
    records.push_back(Entity(311, {program.RightClamp}));

    for (const Hit& hit : program.Hits) {
        DrawingRecord record = Entity(210, {hit.X, hit.Y});
        record.Tool = StationTool(program, hit.Station);
        record.Tool.IndexAngle = static_cast<float>(hit.IndexAngle);
        records.push_back(record);
    }
    for (const BoltCircle& circle : program.Circles) {
        DrawingRecord record = Entity(
            220, {circle.CentreX, circle.CentreY, circle.Radius, circle.StartAngle, static_cast<double>(circle.Count)});
        record.SecondSetting = 1;
        record.Tool = StationTool(program, circle.Station);
        records.push_back(record);
    }
    for (const ClampMove& move : program.ClampMoves) {
        DrawingRecord record = Entity(120, {move.Distance});
        record.SecondSetting = move.Code == 25 ? -1 : 1;
        if (move.Station != 0) record.Tool = StationTool(program, move.Station);
        records.push_back(record);
    }
    DrawingRecord note = Entity(999, {});
    note.Text18 = FixedText("REVSAMPLE", DrawingTextWidth);
    records.push_back(note);

    records.front().RecordCount = static_cast<std::int32_t>(records.size());
    return records;
}

}  // namespace qv::revsample
