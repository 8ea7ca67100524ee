// Reading the machine's station file into the station table.
#include "core/tooling/StationTable.h"

#include <cctype>

#include "core/common/Numbers.h"
#include "core/common/State.h"
#include "core/common/Text.h"
#include "core/common/TextFile.h"

namespace qv {
namespace {

constexpr std::int16_t HighestStation = 64;

// An empty field reads as 0 the way the suite's field input does; any other
// field must start with a number.
bool IsNumberField(const std::string& field) {
    std::size_t i = 0;
    if (field.empty()) return true;
    if (field[i] == '+' || field[i] == '-') ++i;
    auto digit = [&](std::size_t k) {
        return k < field.size() && std::isdigit(static_cast<unsigned char>(field[k]));
    };
    return digit(i) || (i < field.size() && field[i] == '.' && digit(i + 1));
}

float MachineLength(double value, bool imperial) {
    return static_cast<float>(imperial ? RoundDecimals(value * 25.4, 3) : value);
}

}  // namespace

StationArray& StationTable() {
    static StationArray table;
    return table;
}

bool StationAvailable(std::int16_t n) {
    if (n < 1 || n > HighestOfferedStation) return false;
    return StationTable()[static_cast<std::size_t>(n)].Count > 0;
}

Status LoadStationTable() {
    if (!State().Config.FullSuite) return Status::Ok();
    StationArray& table = StationTable();
    table.fill(StationEntry{});

    const std::string path = State().Mach.MachinePrefix + "stn";
    const bool imperial = State().Mach.ImperialMachine;
    auto fail = [&](const std::string& why) { return Status::Error(path + ": " + why); };

    Result<FieldReader> opened = OpenFieldReader(path);
    if (!opened) return opened.status();
    FieldReader& in = *opened;

    for (;;) {
        const std::string first = Trim(in.next());
        if (first.empty()) {
            // An empty field ends the list, unless nothing but blank lines
            // follows: then the file simply stops short of its marker.
            while (!in.atEnd())
                if (!Trim(in.next()).empty()) return Status::Ok();
            return fail("the station list ends without \"******\"");
        }
        if (FieldReader::IsListEnd(first)) return Status::Ok();
        if (!IsNumberField(first)) return fail("station number \"" + first + "\" is not a number");
        const std::int16_t n = TruncToInt16(LeadingNumber(first));
        if (n < 1 || n > HighestStation) return Status::Ok();

        std::string fields[5];
        for (std::string& f : fields) {
            if (in.atEnd()) return fail("station " + std::to_string(n) + " is cut short");
            f = Trim(in.next());
        }
        static const char* const kNames[5] = {"", "kind", "length 1", "length 2", "count"};
        for (int k = 1; k < 5; ++k) {
            if (!IsNumberField(fields[k]))
                return fail("station " + std::to_string(n) + ": " + kNames[k] + " \"" + fields[k] +
                            "\" is not a number");
        }

        StationEntry& entry = table[static_cast<std::size_t>(n)];
        entry.Number = n;
        entry.Name = FixedText(fields[0], StationNameWidth);
        entry.Kind = RoundToInt16(LeadingNumber(fields[1]));
        entry.Length1 = MachineLength(LeadingNumber(fields[2]), imperial);
        entry.Length2 = MachineLength(LeadingNumber(fields[3]), imperial);
        entry.Count = RoundToInt16(LeadingNumber(fields[4]));
    }
}

}  // namespace qv
