// The comma/line field reader and whole-file line input/output.
#include <gtest/gtest.h>

#include <vector>

#include "core/common/TextFile.h"
#include "support/Sandbox.h"

namespace qv {
namespace {

std::vector<std::string> AllFields(const std::string& content) {
    FieldReader reader(content);
    std::vector<std::string> fields;
    while (!reader.atEnd()) fields.push_back(reader.next());
    return fields;
}

struct FieldCase {
    const char* name;
    std::string content;
    std::vector<std::string> fields;
};

TEST(FieldReader, SplitsAtCommasAndLineEnds) {
    const FieldCase cases[] = {
        {"one line", "1,Turret A,2", {"1", "Turret A", "2"}},
        {"blanks dropped", "  1 ,\t name  , 3 \r\n", {"1", "name", "3"}},
        {"lines", "a,b\r\nc\nd\r\n", {"a", "b", "c", "d"}},
        {"quoted commas", "\"Smith, J\",  \" x \" ,y", {"Smith, J", " x ", "y"}},
        {"text after a closing quote dropped", "\"ab\"cd,e", {"ab", "e"}},
        {"open quote ends at the line end", "\"abc\r\nd", {"abc", "d"}},
        {"quote inside a field is text", "ab\"c,d", {"ab\"c", "d"}},
        {"empty line is an empty field", "a\r\n\r\nb", {"a", "", "b"}},
        {"blank line is an empty field", "a\r\n   \r\nb", {"a", "", "b"}},
        {"empty fields between commas", "a,,b", {"a", "", "b"}},
        {"comma ending a line adds no field", "1,Name,\r\n2,Other,\r\n******\r\n",
         {"1", "Name", "2", "Other", "******"}},
        {"two commas ending a line give one empty field", "a,b,,\r\nc", {"a", "b", "", "c"}},
        {"comma at the end of the text", "a,", {"a"}},
        {"lone carriage returns end lines", "a\rb", {"a", "b"}},
        {"Ctrl-Z ends the text", "a,b\r\n\x1A" "c,d", {"a", "b"}},
        {"empty text", "", {}},
    };
    for (const FieldCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(AllFields(c.content), c.fields);
    }
}

TEST(FieldReader, NumbersAndTheEnd) {
    FieldReader reader("2.5, 3.5,12abc,-7.25\r\n");
    EXPECT_EQ(reader.nextInt16(), 2);
    EXPECT_EQ(reader.nextInt16(), 4);
    EXPECT_DOUBLE_EQ(reader.nextNumber(), 12);
    EXPECT_DOUBLE_EQ(reader.nextNumber(), -7.25);
    EXPECT_TRUE(reader.atEnd());
    EXPECT_EQ(reader.next(), "");
    EXPECT_EQ(reader.nextInt16(), 0);
    for (const char* end : {"******", "", "  "}) EXPECT_TRUE(FieldReader::IsListEnd(end)) << end;
    for (const char* field : {"*****", "0"}) EXPECT_FALSE(FieldReader::IsListEnd(field)) << field;
}

struct LinesCase {
    const char* name;
    std::string content;
    std::vector<std::string> lines;
};

TEST(TextFile, SplitLinesHandlesEveryLineEnd) {
    const LinesCase cases[] = {
        {"CR LF", "a\r\nb\r\n", {"a", "b"}},
        {"LF", "a\nb\n", {"a", "b"}},
        {"last line without end", "a\r\nb", {"a", "b"}},
        {"empty lines kept", "\r\n\r\nx\r\n", {"", "", "x"}},
        {"Ctrl-Z and after ignored", "a\r\n\x1A junk\r\n", {"a"}},
        {"Ctrl-Z mid line", "ab\x1A" "cd", {"ab"}},
        {"empty file", "", {}},
        {"blanks kept", "  a  \r\n", {"  a  "}},
    };
    for (const LinesCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(SplitLines(c.content), c.lines);
    }
}

TEST(TextFileOnDisc, ReadsWritesAndNamesTheFileOnFailure) {
    test::Sandbox box;
    box.write("C:\\DATA\\Machine.lst", "1, \"Press, One\"\r\n2,Two\n******\x1A\x1A");
    Result<std::vector<std::string>> lines = ReadLines("C:\\DATA\\machine.LST");
    ASSERT_TRUE(lines.ok()) << lines.message();
    EXPECT_EQ(*lines, (std::vector<std::string>{"1, \"Press, One\"", "2,Two", "******"}));

    ASSERT_TRUE(WriteLines("C:\\DATA\\Machine.lst", {"JOBS", "P7", "******"}).ok());
    EXPECT_EQ(box.read("C:\\DATA\\Machine.lst"), "JOBS\r\nP7\r\n******\r\n");
    ASSERT_TRUE(WriteLines("C:\\DATA\\Empty.lst", {}).ok());
    EXPECT_EQ(box.read("C:\\DATA\\Empty.lst"), "");

    const Status noFolder = WriteLines("C:\\NOWHERE\\Out.lst", {"x"});
    EXPECT_NE(noFolder.message().find("C:\\NOWHERE\\Out.lst"), std::string::npos) << noFolder.message();
    const Status missing[] = {ReadLines("C:\\DATA\\Gone.lst").status(), OpenFieldReader("C:\\DATA\\Gone.lst").status()};
    for (const Status& m : missing) EXPECT_NE(m.message().find("C:\\DATA\\Gone.lst"), std::string::npos) << m.message();
}

// Read back, Ctrl-Z would end the file at that line: "Lastfile.lst" would lose its end.
TEST(TextFileOnDisc, EndOfFileCharacterIsRefusedAndTheFileKept) {
    test::Sandbox box;
    box.write("C:\\Lastfile.lst", "old");
    EXPECT_EQ(WriteLines("C:\\Lastfile.lst", {"\"C:\\JOBS\\\"", "\"PART\x1A" "1\"", "******"}).message(),
              "C:\\Lastfile.lst: line 2 holds the end-of-file character Ctrl-Z, which would end the file there");
    EXPECT_EQ(box.read("C:\\Lastfile.lst"), "old");
}

}  // namespace
}  // namespace qv
