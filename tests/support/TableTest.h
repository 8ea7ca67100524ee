// Helpers for table-driven tests: case names as test names, and a tool record
// as one line so that a row compares every field at once.
#pragma once

#include <gtest/gtest.h>

#include <cctype>
#include <string>

#include "core/common/FormatNumber.h"
#include "core/common/Text.h"
#include "core/tooling/ToolRecord.h"

namespace qv::test {

/// The case's name with every character that is no letter or digit made "_".
struct CaseName {
    template <typename Param>
    std::string operator()(const ::testing::TestParamInfo<Param>& info) const {
        std::string name = info.param.name;
        for (char& c : name)
            if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
        return name;
    }
};

/// "+D 'RECT 20X10' 20x10x0x0 s1 c11 a90 i0 n0", '-' first when not defined.
/// The description shows trimmed when it is blank-padded to its 64
/// characters, else whole with its length: "'x'[5]".
inline std::string ToolText(const ToolRecord& t) {
    std::string description = "'" + Trim(t.Description) + "'";
    if (t.Description != FixedText(Trim(t.Description), ToolDescriptionWidth))
        description = "'" + t.Description + "'[" + std::to_string(t.Description.size()) + "]";
    std::string sizes;
    for (float s : t.Size) sizes += (sizes.empty() ? "" : "x") + FormatNumber(s);
    return std::string(t.Defined ? "+" : "-") + t.Shape + " " + description + " " + sizes + " s" +
           std::to_string(t.Station) + " c" + std::to_string(t.StationCode) + " a" + FormatNumber(t.Angle) + " i" +
           FormatNumber(t.IndexAngle) + " n" + std::to_string(t.Count);
}

/// Bytes from hexadecimal text, two digits a byte: golden records.
inline std::string FromHex(const std::string& hex) {
    std::string bytes;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2)
        bytes += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
    return bytes;
}

/// A tool from its eleven-field text form "A,Punch 10,10,0,0,0,5,11,0,0,1".
inline ToolRecord Tool(const std::string& text) {
    ToolRecord tool;
    ParseToolText(text, tool);
    return tool;
}

}  // namespace qv::test
