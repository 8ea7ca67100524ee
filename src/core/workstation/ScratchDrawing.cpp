// Streaming the processor's drawing into the scratch drawing.
#include "core/workstation/ScratchDrawing.h"

#include <limits>

#include "core/workstation/DrawingRecord.h"
#include "core/workstation/RecordStream.h"
#include "platform/Platform.h"

namespace qv {

Status CheckDrawingFile(const std::string& drawing) {
    const std::int64_t size = platform::Current().fileSize(drawing);
    const auto record = static_cast<std::int64_t>(DrawingRecordSize);
    if (size < 0) return Status::Error(drawing + ": the drawing is missing");
    if (size < record) return Status::Error(drawing + ": the drawing has no header record");
    if (size % record != 0)
        return Status::Error(drawing + ": " + std::to_string(size) + " bytes, not a whole number of " +
                             std::to_string(record) + "-byte records");
    return Status::Ok();
}

Result<std::int32_t> BuildScratchDrawing(const std::string& source, const std::string& target,
                                         const HeaderValues& values,
                                         const std::array<ToolRecord, TurretSlots>& turret) {
    auto opened = RecordScanner::Open(source, DrawingRecordSize);
    if (!opened) return opened.status();
    RecordScanner& in = *opened.value();
    if (in.count() > std::numeric_limits<std::int32_t>::max())
        return Status::Error(source + ": more records than a drawing can count");
    auto created = RecordAppender::Create(target, DrawingRecordSize);
    if (!created) return created.status();
    RecordAppender& out = *created.value();

    std::string bytes;
    Status status = in.next(bytes);
    if (!status) return status;
    DrawingRecord header = DecodeDrawingRecord(bytes);
    const bool settingChanged = RewriteDrawingHeader(header, values);
    status = out.append(EncodeDrawingRecord(header));

    const EntityRewriter entities(turret, settingChanged);
    while (status && !in.atEnd()) {
        status = in.next(bytes);
        if (status && entities.rewrite(bytes)) status = out.append(bytes);
    }
    if (status) status = out.flush();
    if (!status) return status;

    const auto written = static_cast<std::int32_t>(out.count());
    header.RecordCount = written;
    status = out.rewrite(1, EncodeDrawingRecord(header));
    if (status) status = out.sync();
    if (!status) return status;
    return written;
}

}  // namespace qv
