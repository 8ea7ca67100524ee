// Drawings as lists of records, for tests that write or read one whole.
#pragma once

#include <string>
#include <vector>

#include "core/workstation/DrawingRecord.h"

namespace qv::test {

inline std::string DrawingBytes(const std::vector<DrawingRecord>& records) {
    std::string bytes;
    for (const DrawingRecord& r : records) bytes += EncodeDrawingRecord(r);
    return bytes;
}

/// The whole records of a drawing; a part record at the end is left out.
inline std::vector<DrawingRecord> DrawingRecords(const std::string& bytes) {
    std::vector<DrawingRecord> records;
    for (std::size_t at = 0; at + DrawingRecordSize <= bytes.size(); at += DrawingRecordSize)
        records.push_back(DecodeDrawingRecord(bytes.substr(at, DrawingRecordSize)));
    return records;
}

}  // namespace qv::test
