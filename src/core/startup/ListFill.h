// The shared rules by which the machine and reverse-processor lists are read,
// filled and pre-selected.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/common/ListRows.h"
#include "core/common/Numbers.h"
#include "core/common/Text.h"
#include "core/common/TextFile.h"
#include "core/startup/InstallationFiles.h"

namespace qv {

/// One line per entry (trimmed Name, Number as item data); the entry numbered
/// currentNumber only when includeCurrent. selectMode 0 selects nothing, 1
/// the only line when there is exactly one, 2 the current entry's line (none
/// when left out); any other value selects nothing, as there is no earlier
/// selection in a freshly filled list.
template <typename Entry>
ListRows FillEntryRows(const std::vector<Entry>& entries, std::int16_t currentNumber,
                       bool includeCurrent, int selectMode) {
    ListRows rows;
    int currentLine = -1;
    for (const auto& entry : entries) {
        if (entry.Number == currentNumber) {
            if (!includeCurrent) continue;
            currentLine = static_cast<int>(rows.items.size());
        }
        rows.items.push_back(Trim(entry.Name));
        rows.data.push_back(entry.Number);
    }
    if (selectMode == 1 && rows.items.size() == 1) rows.selected = 0;
    if (selectMode == 2) rows.selected = currentLine;
    return rows;
}

/// The entries of a numbered list file ("Machine.lst", "Reverse.lst"): each
/// entry is a number followed by the text fields readFields takes (trimmed).
/// Reading stops, without taking that entry, at a number field that is
/// "******", empty or not above 0, or at the end of the file.
template <typename Entry, typename ReadFields>
Result<std::vector<Entry>> ReadNumberedList(const char* kind, const std::string& path, ReadFields readFields) {
    auto reader = OpenRequiredFields(kind, path);
    if (!reader) return reader.status();
    std::vector<Entry> entries;
    while (!reader->atEnd()) {
        const std::string field = reader->next();
        if (FieldReader::IsListEnd(field)) break;
        Entry entry;
        entry.Number = TruncToInt16(LeadingNumber(field));
        if (entry.Number <= 0) break;
        readFields(entry, [&reader] { return Trim(reader->next()); });
        entries.push_back(std::move(entry));
    }
    return entries;
}

}  // namespace qv
