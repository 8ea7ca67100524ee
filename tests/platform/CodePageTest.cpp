// The suite's names are Windows-1252 bytes; the host's are UTF-8.
#include <algorithm>

#include "platform/PlatformFixture.h"
#include "platform/Wildcard.h"

namespace qv::test {
namespace {

using Names = std::vector<std::string>;

const unsigned char kUndefined[] = {0x81, 0x8D, 0x8F, 0x90, 0x9D};

TEST_F(PlatformTest, EveryDefinedByteRoundTripsThroughTheHostName) {
    makeFolder("C:\\R");
    Names written;
    for (int b = 0x80; b <= 0xFF; ++b) {
        if (std::count(std::begin(kUndefined), std::end(kUndefined), b)) continue;
        const std::string name = "N" + std::string(1, static_cast<char>(b)) + ".txt";
        ASSERT_TRUE(platform->writeFile("C:\\R\\" + name, name).ok()) << b;
        written.push_back(name);
    }
    // Host names the suite cannot spell: not UTF-8, no 1252 character, a control character.
    for (const char* other : {"\xff.txt", "\xe6\x97\xa5.txt", "\xc2\x81.txt", "a\nb.txt"})
        WriteHostFile(host("C:\\R") + "/" + other, "other");
    platform::SortNames(written);
    EXPECT_EQ(platform->listFiles("C:\\R", "*").value_or({}), written);
    for (const auto& name : written) {
        EXPECT_EQ(platform->readFile("C:\\R\\" + name).value_or(""), name);
        EXPECT_EQ(platform->realName("c:\\r\\" + name), name);
    }
    EXPECT_EQ(read("C:\\R\\N\xc3\x98.txt"), "N\xd8.txt");      // Ø
    EXPECT_EQ(read("C:\\R\\N\xe2\x82\xac.txt"), "N\x80.txt");  // €
    EXPECT_EQ(read("C:\\R\\N\xc5\xb8.txt"), "N\x9f.txt");      // Ÿ
    EXPECT_EQ(names("C:\\R").size(), written.size() + 4);
}

TEST_F(PlatformTest, BytesCodePage1252LeavesUndefinedAreRefused) {
    for (unsigned char b : kUndefined) {
        const std::string path = "C:\\N" + std::string(1, static_cast<char>(b)) + ".txt";
        char code[8];
        std::snprintf(code, sizeof code, "0x%02X", b);
        EXPECT_EQ(platform->writeFile(path, "x").message(),
                  path + ": the name holds " + code + ", which code page 1252 does not define");
    }
    EXPECT_TRUE(names("C:\\").empty());
}

}  // namespace
}  // namespace qv::test
