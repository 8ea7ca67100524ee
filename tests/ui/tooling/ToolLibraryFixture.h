// A small tool library and turret in a temporary folder for the tooling windows.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/common/State.h"
#include "core/tooling/ShapeFile.h"
#include "core/tooling/StationTable.h"
#include "core/tooling/ToolingState.h"
#include "platform/Platform.h"
#include "support/TempDir.h"

namespace qv::test {

class ToolLibraryFixture : public ::testing::Test {
protected:
    using Slots = std::array<std::pair<std::int16_t, std::int16_t>, 6>;
    using Angles = std::array<float, 6>;

    void SetUp() override {
        std::string windows = "C:" + dir_.path();
        for (char& c : windows)
            if (c == '/') c = '\\';
        folder_ = windows + "\\Tools\\";
        ASSERT_TRUE(platform::Current().makeFolder(folder_));
        Tooling().ToolLibraryPrefix = folder_ + "Full Library.";
        ClearToolRecord(Tooling().ChosenTool);
        State().Mach.InchUnits = false;

        StationTable() = StationArray{};
        Station(1, "T1 Fixed", 1);
        Station(2, "Auto Index", 1);
        Station(3, "T3 Fixed", 2);
        Station(5, "T5 Empty", 0);
        Station(61, "T61", 1);

        const Angles none{-1, -1, -1, -1, -1, -1};
        WriteShape('A', {Entry('A', "RND 10", {10, 0, 0, 0}, {{{1, 11}, {2, 45}}}, none),
                         Entry('A', "RND 12.7", {12.7f, 0, 0, 0}, {{{1, 11}}}, none)});
        WriteShape('D', {Entry('D', "RECT 20X10", {20, 10, 0, 0}, {{{1, 11}, {61, 11}, {5, 12}, {2, 45}}},
                               {0, 90, -1, -1, -1, -1}),
                         Entry('D', "RECT 30X15", {30, 15, 0, 0}, {{{3, 11}}}, none)});
        WriteShape('S', {Entry('S', "KEYHOLE", {}, {{{2, 45}}}, none)});
    }

    static LibraryEntry Entry(char shape, const std::string& name, std::array<float, 4> size, Slots stations,
                              Angles angles) {
        LibraryEntry e;
        e.shape = shape;
        e.name = name;
        e.size = size;
        e.stations = stations;
        e.angles = angles;
        return e;
    }

    void Station(int n, const std::string& name, std::int16_t count) {
        StationEntry& s = StationTable()[static_cast<std::size_t>(n)];
        s.Number = static_cast<std::int16_t>(n);
        s.Name = name;
        s.Count = count;
    }

    void WriteShape(char letter, const std::vector<LibraryEntry>& entries) {
        std::string bytes;
        for (const LibraryEntry& e : entries) bytes += EncodeShapeRecord(e);
        ASSERT_TRUE(platform::Current().writeFile(folder_ + "Full Library." + letter, bytes));
    }

    TempDir dir_;
    std::string folder_;
};

}  // namespace qv::test
