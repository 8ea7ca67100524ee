// A small tool library and station table in a sandbox, for the tool entry
// dialog in core and in its window. Stations: 1 fixed, 2 indexable in the
// library, 3, 5 of count 0 and 61, defined but above 60.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/tooling/ShapeFile.h"
#include "support/Sandbox.h"

namespace qv::test {

class ToolLibraryFixture : public ::testing::Test {
protected:
    using Slots = std::array<std::pair<std::int16_t, std::int16_t>, 6>;
    using Angles = std::array<float, 6>;
    static constexpr const char* Folder = "C:\\QV\\DATA\\Tools\\M1\\";
    static constexpr Angles NoAngles{-1, -1, -1, -1, -1, -1};

    void SetUp() override;
    static LibraryEntry Entry(char shape, const std::string& name, std::array<float, 4> size, Slots stations,
                              Angles angles = NoAngles);
    /// Replaces the shape file of a letter.
    void writeShape(char letter, const std::vector<LibraryEntry>& entries);

    MachineSandbox box;
};

}  // namespace qv::test
