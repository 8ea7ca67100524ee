// The tool entry dialog's test library.
#include "support/ToolLibraryFixture.h"

#include "core/common/State.h"
#include "core/tooling/StationTable.h"
#include "core/tooling/ToolingState.h"

namespace qv::test {
namespace {

void Station(std::int16_t n, const std::string& name, std::int16_t count) {
    StationTable()[static_cast<std::size_t>(n)] = StationEntry{n, name, 0, 0, 0, count};
}

}  // namespace

void ToolLibraryFixture::SetUp() {
    box.makeFolder(Folder);
    Tooling().ToolLibraryPrefix = std::string(Folder) + "Full Library.";
    Station(1, "T1 Fixed", 1);
    Station(2, "  Auto Index  ", 1);
    Station(3, "T3", 2);
    Station(5, "T5 Empty", 0);
    Station(61, "T61", 1);
    writeShape('A', {Entry('A', "RND 10", {10, 0, 0, 0}, {{{1, 11}, {2, 45}}}), Entry('A', "", {0, 0, 0, 0}, {}),
                     Entry('A', "RND 12.7", {12.7f, 0, 0, 0}, {{{1, 11}}})});
    // One entry only: chosen at once down to its station.
    writeShape('B', {Entry('B', "SQ 20", {20, 0, 0, 0}, {{{3, 11}, {70, 11}, {5, 11}}}, {0, 45, -1, -1, -1, -1})});
    writeShape('D', {Entry('D', "RECT 20X10", {20, 10, 0, 0}, {{{1, 11}, {61, 11}, {5, 12}, {2, 45}, {4, 11}}},
                           {0, 90, -1, -1, -1, -1}),
                     Entry('D', "RECT 30X15", {30, 15, 0, 0}, {{{1, 11}}}),
                     Entry('D', "RECT NO STN", {40, 20, 0, 0}, {{{5, 11}, {61, 11}}})});
    writeShape('S', {Entry('S', "KEYHOLE", {}, {{{2, 45}}}), Entry('S', "      ", {}, {{{1, 11}}}),
                     Entry('S', "D-SLOT", {}, {{{1, 11}, {1, 12}}}, {0, -1, -1, -1, -1, -1})});
}

LibraryEntry ToolLibraryFixture::Entry(char shape, const std::string& name, std::array<float, 4> size, Slots stations,
                                       Angles angles) {
    return LibraryEntry{0, shape, name, size, stations, angles};
}

void ToolLibraryFixture::writeShape(char letter, const std::vector<LibraryEntry>& entries) {
    std::string bytes;
    for (const LibraryEntry& e : entries) bytes += EncodeShapeRecord(e);
    box.write(std::string(Folder) + "Full Library." + letter, bytes);
}

}  // namespace qv::test
