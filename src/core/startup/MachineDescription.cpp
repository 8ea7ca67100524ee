// Reading the machine's measurement and description files.
#include "core/startup/MachineDescription.h"

#include <algorithm>
#include <vector>

#include "core/common/Numbers.h"
#include "core/common/Text.h"
#include "core/startup/InstallationFiles.h"
#include "core/tooling/ToolRecord.h"

namespace qv {
namespace {

// Walks the "label : value" lines in order; past the end every value is "".
class DescriptionLines {
public:
    explicit DescriptionLines(std::vector<std::string> lines) : lines_(std::move(lines)) {}

    std::string nextValue() {
        if (next_ >= lines_.size()) return {};
        return Upper(ValueAfterColon(lines_[next_++]));
    }
    std::int16_t nextInteger() { return TruncToInt16(LeadingNumber(nextValue())); }
    float nextLength(bool imperial) {
        double value = LeadingNumber(nextValue());
        return imperial ? InchesToMillimetres(value) : static_cast<float>(value);
    }
    void skip() { ++next_; }

private:
    std::vector<std::string> lines_;
    std::size_t next_ = 0;
};

}  // namespace

float InchesToMillimetres(double inches) {
    return static_cast<float>(RoundDecimals(inches * 25.4, 3));
}

Result<bool> ReadMeasurementFile(const std::string& path) {
    auto lines = ReadRequiredLines("measurement file", path);
    if (!lines) return lines.status();
    if (lines->empty()) return false;
    return Upper(ValueAfterColon(lines->front())) == "IMPERIAL";
}

Status ReadMachineDescription(const std::string& path, Machine& machine) {
    auto lines = ReadRequiredLines("machine description", path);
    if (!lines) return lines.status();
    DescriptionLines in(std::move(*lines));
    const bool imperial = machine.ImperialMachine;
    auto& other = machine.OtherLengths;

    in.skip();  // title line
    machine.MachineType = in.nextInteger();
    machine.MachineValue3 = in.nextInteger();
    machine.MachineValue4 = in.nextInteger();
    other[0] = in.nextLength(imperial);  // lines 5, 6
    other[1] = in.nextLength(imperial);
    machine.DefaultSheetX = in.nextLength(imperial);
    machine.DefaultSheetY = in.nextLength(imperial);
    for (std::size_t i = 2; i <= 6; ++i) other[i] = in.nextLength(imperial);  // lines 9 to 13
    machine.Line14Flag = in.nextValue() == "YES";
    for (std::size_t i = 7; i <= 12; ++i) other[i] = in.nextLength(imperial);  // lines 15 to 20
    // The format has room for 4 clamp ranges; a count outside 1..4 is taken
    // as the nearest of them so the ranges read stay inside the table.
    machine.ClampRangeCount = std::clamp<std::int16_t>(in.nextInteger(), 1, 4);
    other[13] = in.nextLength(imperial);  // lines 22, 23
    other[14] = in.nextLength(imperial);
    for (std::int16_t i = 0; i < machine.ClampRangeCount; ++i) {
        machine.ClampRanges[i].Low = in.nextLength(imperial);
        machine.ClampRanges[i].High = in.nextLength(imperial);
    }
    machine.PunchMachine = IsAtLeastTen(machine.MachineType);
    machine.SecondaryProcess = IsNotMultipleOfTen(machine.MachineType);
    return Status::Ok();
}

}  // namespace qv
