// Line and field input/output on real files through the host platform.
#include <gtest/gtest.h>

#include <memory>

#include "core/common/TextFile.h"
#include "platform/PosixPlatform.h"
#include "support/TempDir.h"

namespace qv {
namespace {

class TextFileOnDisc : public ::testing::Test {
protected:
    void SetUp() override {
        test::WriteHostFile(tmp / "C/DATA/.keep", "");
        test::WriteHostFile(tmp / "Drives.cfg", "C, " + (tmp / "C") + ", fixed\n");
        host = std::make_unique<platform::PosixPlatform>(tmp / "Drives.cfg");
        scope = std::make_unique<platform::ScopedPlatform>(*host);
    }

    test::TempDir tmp;
    std::unique_ptr<platform::PosixPlatform> host;
    std::unique_ptr<platform::ScopedPlatform> scope;
};

TEST_F(TextFileOnDisc, ReadsLinesAndFieldsOfAFile) {
    test::WriteHostFile(tmp / "C/DATA/Machine.lst", "1, \"Press, One\", PRESS1,\r\n2,Two,PRESS2\n******\x1A\x1A");
    Result<std::vector<std::string>> lines = ReadLines("C:\\DATA\\machine.LST");
    ASSERT_TRUE(lines.ok()) << lines.message();
    EXPECT_EQ(*lines, (std::vector<std::string>{"1, \"Press, One\", PRESS1,", "2,Two,PRESS2", "******"}));

    Result<FieldReader> reader = OpenFieldReader("C:\\DATA\\Machine.lst");
    ASSERT_TRUE(reader.ok()) << reader.message();
    std::vector<std::string> fields;
    for (std::string field = reader->next(); !FieldReader::IsListEnd(field); field = reader->next()) {
        fields.push_back(field);
    }
    EXPECT_EQ(fields, (std::vector<std::string>{"1", "Press, One", "PRESS1", "2", "Two", "PRESS2"}));
}

TEST_F(TextFileOnDisc, WritesCrLfLinesAndReplacesTheFileWhole) {
    test::WriteHostFile(tmp / "C/DATA/Lastfile.lst", "a much longer old content\r\n");
    ASSERT_TRUE(WriteLines("C:\\DATA\\Lastfile.lst", {"JOBS", "P7", "******"}).ok());
    EXPECT_EQ(test::ReadHostFile(tmp / "C/DATA/Lastfile.lst"), "JOBS\r\nP7\r\n******\r\n");
    ASSERT_TRUE(WriteLines("C:\\DATA\\Empty.lst", {}).ok());
    EXPECT_EQ(test::ReadHostFile(tmp / "C/DATA/Empty.lst"), "");
    Result<std::vector<std::string>> empty = ReadLines("C:\\DATA\\Empty.lst");
    ASSERT_TRUE(empty.ok());
    EXPECT_TRUE(empty->empty());
}

TEST_F(TextFileOnDisc, MissingFilesAndFoldersAreNamedInTheError) {
    Result<std::vector<std::string>> missing = ReadLines("C:\\DATA\\Reverse.lst");
    ASSERT_FALSE(missing.ok());
    EXPECT_NE(missing.message().find("Reverse.lst"), std::string::npos) << missing.message();

    const Status noFolder = WriteLines("C:\\NOWHERE\\Out.lst", {"x"});
    ASSERT_FALSE(noFolder.ok());
    EXPECT_NE(noFolder.message().find("Out.lst"), std::string::npos) << noFolder.message();
}

}  // namespace
}  // namespace qv
