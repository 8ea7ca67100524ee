// Fixed-length record files: round trip, counting, refusals and messages.
#include <sys/stat.h>

#include "platform/PlatformFixture.h"

namespace qv::test {
namespace {

std::string Record(char fill, std::size_t length) {
    std::string r(length, fill);
    r[0] = '\0';
    r[length - 1] = '\xff';
    return r;
}

TEST_F(PlatformTest, RecordsRoundTripByteForByte) {
    auto opened = platform->openRecordFile("C:\\Reverse.rnd", 8, true);
    ASSERT_TRUE(opened.ok()) << opened.message();
    auto& file = *opened;
    EXPECT_EQ(file->recordLength(), 8u);
    EXPECT_EQ(file->recordCount(), 0);
    ASSERT_TRUE(file->write(1, Record('a', 8)).ok());
    ASSERT_TRUE(file->write(2, Record('b', 8)).ok());
    ASSERT_TRUE(file->write(1, Record('c', 8)).ok());  // rewrite in place
    ASSERT_TRUE(file->sync().ok());
    EXPECT_EQ(file->recordCount(), 2);
    EXPECT_EQ(ReadHostFile(onC("Reverse.rnd")), Record('c', 8) + Record('b', 8));
    std::string out;
    ASSERT_TRUE(file->read(2, out).ok());
    EXPECT_EQ(out, Record('b', 8));
}

TEST_F(PlatformTest, ShortRecordIsPaddedWithZeros) {
    auto file = std::move(platform->openRecordFile("C:\\Pad.drw", 6, true).value());
    ASSERT_TRUE(file->write(1, "ab").ok());
    EXPECT_EQ(ReadHostFile(onC("Pad.drw")), std::string("ab\0\0\0\0", 6));
}

TEST_F(PlatformTest, WritingPastTheEndExtendsWithZeros) {
    auto file = std::move(platform->openRecordFile("C:\\Gap.drw", 4, true).value());
    ASSERT_TRUE(file->write(3, "wxyz").ok());
    EXPECT_EQ(file->recordCount(), 3);
    EXPECT_EQ(ReadHostFile(onC("Gap.drw")), std::string(8, '\0') + "wxyz");
}

TEST_F(PlatformTest, PartialTailIsNotARecord) {
    WriteHostFile(onC("Tail.drw"), std::string(6 * 10 + 7, 'r'));
    auto file = std::move(platform->openRecordFile("C:\\TAIL.drw", 10, false).value());
    EXPECT_EQ(file->recordCount(), 6);
    std::string out = "untouched";
    Status past = file->read(7, out);
    EXPECT_EQ(past.message(), "C:\\TAIL.drw: record 7 is past the end (6 records)");
    EXPECT_EQ(out, "untouched");
    EXPECT_TRUE(file->read(6, out).ok());
}

struct RefusalCase {
    const char* name;
    std::int64_t record;
    std::size_t dataLength;  // 0: a read
    const char* message;
};

class RecordRefusals : public PlatformTest, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(RecordRefusals, NameFileAndRecord) {
    WriteHostFile(onC("One.drw"), std::string(4, 'x'));
    auto file = std::move(platform->openRecordFile("C:\\One.drw", 4, false).value());
    const RefusalCase& c = GetParam();
    std::string out;
    Status s = c.dataLength == 0 ? file->read(c.record, out) : file->write(c.record, std::string(c.dataLength, 'y'));
    EXPECT_EQ(s.message(), c.message);
    EXPECT_EQ(ReadHostFile(onC("One.drw")), std::string(4, 'x'));
}

const RefusalCase kRefusals[] = {
    {"ReadZero", 0, 0, "C:\\One.drw: record 0 does not exist (records are numbered from 1)"},
    {"ReadNegative", -3, 0, "C:\\One.drw: record -3 does not exist (records are numbered from 1)"},
    {"ReadPastEnd", 2, 0, "C:\\One.drw: record 2 is past the end (1 record)"},
    {"WriteZero", 0, 4, "C:\\One.drw: record 0 does not exist (records are numbered from 1)"},
    {"WriteTooLong", 1, 5, "C:\\One.drw: record 1 has 5 bytes, more than the record length 4"},
};

INSTANTIATE_TEST_SUITE_P(Table, RecordRefusals, ::testing::ValuesIn(kRefusals),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(PlatformTest, OpeningRecordFileFailures) {
    EXPECT_EQ(platform->openRecordFile("C:\\None.drw", 4, false).message(), "C:\\None.drw: no such file");
    EXPECT_FALSE(platform->fileExists("C:\\None.drw"));
    EXPECT_EQ(platform->openRecordFile("C:\\X\\None.drw", 4, true).message(),
              "C:\\X\\None.drw: the folder does not exist");
    mkdir(onC("Dir.drw").c_str(), 0755);
    EXPECT_EQ(platform->openRecordFile("C:\\Dir.drw", 4, true).message(), "C:\\Dir.drw: not a file");
    EXPECT_EQ(platform->openRecordFile("C:\\Zero.drw", 0, true).message(), "C:\\Zero.drw: a record length of 0 bytes");
}

TEST_F(PlatformTest, OpeningExistingRecordFileKeepsItsContent) {
    WriteHostFile(onC("Keep.drw"), "abcdefgh");
    auto file = std::move(platform->openRecordFile("c:\\keep.DRW", 4, true).value());
    EXPECT_EQ(file->recordCount(), 2);
    EXPECT_EQ(ReadHostFile(onC("Keep.drw")), "abcdefgh");
}

}  // namespace
}  // namespace qv::test
