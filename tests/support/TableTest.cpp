// One-line tool records for table-driven tests.
#include "support/TableTest.h"

#include "core/common/Text.h"
#include "core/common/FormatNumber.h"

namespace qv::test {

std::string ToolText(const ToolRecord& t) {
    std::string description = "'" + Trim(t.Description) + "'";
    if (t.Description != FixedText(Trim(t.Description), ToolDescriptionWidth))
        description = "'" + t.Description + "'[" + std::to_string(t.Description.size()) + "]";
    std::string sizes;
    for (float s : t.Size) sizes += (sizes.empty() ? "" : "x") + FormatNumber(s);
    return std::string(t.Defined ? "+" : "-") + t.Shape + " " + description + " " + sizes + " s" +
           std::to_string(t.Station) + " c" + std::to_string(t.StationCode) + " a" + FormatNumber(t.Angle) + " i" +
           FormatNumber(t.IndexAngle) + " n" + std::to_string(t.Count);
}

}  // namespace qv::test
