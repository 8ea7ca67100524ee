// Fixed-length record files: round trip, counting, refusals and messages.
#include <sys/stat.h>
#include <unistd.h>

#include "platform/PlatformFixture.h"
#include "support/Unprivileged.h"

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
    EXPECT_EQ(file->recordCount(), 0);
    ASSERT_TRUE(file->write(1, Record('a', 8)).ok());
    ASSERT_TRUE(file->write(2, Record('b', 8)).ok());
    ASSERT_TRUE(file->write(1, Record('c', 8)).ok());  // rewrite in place
    ASSERT_TRUE(file->write(4, "ab").ok());             // short: zero padding; past the end: a zero gap
    ASSERT_TRUE(file->sync().ok());
    EXPECT_EQ(file->recordCount(), 4);
    EXPECT_EQ(read("C:\\Reverse.rnd"),
              Record('c', 8) + Record('b', 8) + std::string(8, '\0') + std::string("ab\0\0\0\0\0\0", 8));
    std::string out;
    ASSERT_TRUE(file->read(2, out).ok());
    EXPECT_EQ(out, Record('b', 8));
}

TEST_F(PlatformTest, ExistingFileKeepsItsContentAndPartialTailIsNoRecord) {
    const std::string bytes(6 * 10 + 7, 'r');
    write("C:\\Tail.drw", bytes);
    auto file = std::move(platform->openRecordFile("c:\\TAIL.drw", 10, true).value());
    EXPECT_EQ(file->recordCount(), 6);
    EXPECT_EQ(read("C:\\Tail.drw"), bytes);
    std::string out = "untouched";
    EXPECT_EQ(file->read(7, out).message(), "c:\\TAIL.drw: record 7 is past the end (6 records)");
    EXPECT_EQ(out, "untouched");
    EXPECT_TRUE(file->read(6, out).ok());
}

TEST_F(PlatformTest, ReadOnlyRecordFileIsReadButNotWritten) {
    write("C:\\Locked.drw", "abcd");
    chmod(host("C:\\Locked.drw").c_str(), 0444);
    AsUnprivileged(root(), [&] {
        auto file = std::move(platform->openRecordFile("C:\\Locked.drw", 4, false).value());
        std::string out;
        EXPECT_TRUE(file->read(1, out).ok());
        EXPECT_EQ(file->write(1, "wxyz").message(), "C:\\Locked.drw: record 1 cannot be written: access denied");
        EXPECT_EQ(read("C:\\Locked.drw"), "abcd");
    });
}

TEST_F(PlatformTest, RecordRefusalsNameFileAndRecord) {
    const struct {
        const char* name;
        std::int64_t record;
        std::size_t dataLength;  // 0: a read
        const char* message;
    } cases[] = {
        {"ReadZero", 0, 0, "C:\\One.drw: record 0 does not exist (records are numbered from 1)"},
        {"ReadPastEnd", 2, 0, "C:\\One.drw: record 2 is past the end (1 record)"},
        {"WriteZero", 0, 4, "C:\\One.drw: record 0 does not exist (records are numbered from 1)"},
        {"WriteTooLong", 1, 5, "C:\\One.drw: record 1 has 5 bytes, more than the record length 4"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        write("C:\\One.drw", std::string(4, 'x'));
        auto file = std::move(platform->openRecordFile("C:\\One.drw", 4, false).value());
        std::string out;
        Status s = c.dataLength == 0 ? file->read(c.record, out)
                                     : file->write(c.record, std::string(c.dataLength, 'y'));
        EXPECT_EQ(s.message(), c.message);
        EXPECT_EQ(read("C:\\One.drw"), std::string(4, 'x'));
    }
}

}  // namespace
}  // namespace qv::test
