// Text rules: trimming and case, colon values, quoted fields, the comma/line
// field reader and whole-file line input and output.
#include <gtest/gtest.h>

#include <vector>

#include "core/common/FormatNumber.h"
#include "core/common/Text.h"
#include "core/common/TextFile.h"
#include "support/Sandbox.h"

namespace qv {
namespace {

using Lines = std::vector<std::string>;

std::string Joined(const Lines& parts) {
    std::string out;
    for (std::size_t i = 0; i < parts.size(); ++i) out += (i ? "|" : "") + parts[i];
    return parts.empty() ? "(none)" : out;
}

TEST(Text, TrimCaseAndColonValues) {
    EXPECT_EQ(Trim("  \tA B\t "), "A B");
    EXPECT_EQ(Trim("\r\nx"), "\r\nx");  // line ends are not blanks
    EXPECT_EQ(Upper("No, yes 12 \xe9"), "NO, YES 12 \xe9");
    EXPECT_TRUE(EqualsNoCase("Full Library", "FULL library"));
    EXPECT_FALSE(EqualsNoCase("abc", "abcd") || EqualsNoCase("a-c", "a_c"));
    const Lines names = {"jobs", "JOBS", "Parts"};
    EXPECT_EQ(FindNoCase(names, "JOBS"), &names[1]);  // the exact spelling first
    EXPECT_EQ(FindNoCase(names, "Jobs"), &names[0]);
    EXPECT_EQ(FindNoCase(names, "Job"), nullptr);
    const struct { const char* line; bool hasColon; const char* value;
    } cases[] = {{"Nesting ? (Yes / No)                         : No", true, "No"},
                 {"Folder : C:\\DATA\\ ", true, "C:\\DATA\\"}, {"  plain value  ", false, "plain value"},
                 {"Label:", true, ""}, {":", true, ""}, {"", false, ""}};
    for (const auto& c : cases) {
        EXPECT_EQ(HasColon(c.line), c.hasColon) << c.line;
        EXPECT_EQ(ValueAfterColon(c.line), c.value) << c.line;
    }
}

// The reader has no escape for a quote inside quotes: a quoted field's becomes a single quote.
TEST(FieldReader, ReadsQuotedFieldsBackAndSplitsAtCommasAndLineEnds) {
    for (const char* text : {"plain", "with, comma", "  edge blanks ", "tab\t", "", "a\"b"}) {
        FieldReader reader(QuoteField(text) + "," + QuoteField("next") + "\r\n");
        EXPECT_EQ(reader.next(), text);
        EXPECT_EQ(reader.next(), "next");
        EXPECT_TRUE(reader.atEnd());
    }
    EXPECT_EQ(QuoteField("say \"hi\", then"), "\"say 'hi', then\"");
    EXPECT_EQ(QuoteField("\"lead"), "\"'lead\"");
    EXPECT_EQ(QuoteField("two\r\nlines"), "two  lines");
    const std::pair<std::string, const char*> cases[] = {
        {"1,Turret A,2", "1|Turret A|2"}, {"a,b\r\nc\nd\r\n", "a|b|c|d"}, {"a,,b", "a||b"}, {"a,", "a"},
        {"\"Smith, J\",  \" x \" ,y", "Smith, J| x |y"}, {"a,b,,\r\nc", "a|b||c"}, {"a\rb", "a|b"}, {"", "(none)"},
        {"  1 ,\t name  , 3 \r\n", "1|name|3"},  // blanks dropped
        {"\"ab\"cd,e", "ab|e"},       // text after a closing quote dropped
        {"\"abc\r\nd", "abc|d"},      // an open quote ends at the line end
        {"ab\"c,d", "ab\"c|d"},       // a quote inside a field is text
        {"a\r\n\r\nb", "a||b"},       // an empty line is an empty field
        {"1,Name,\r\n2,Other,\r\n******\r\n", "1|Name|2|Other|******"},  // a comma ending a line adds no field
        {"a,b\r\n\x1A" "c,d", "a|b"},  // Ctrl-Z ends the text
    };
    for (const auto& [content, fields] : cases) {
        FieldReader reader(content);
        Lines read;
        while (!reader.atEnd()) read.push_back(reader.next());
        EXPECT_EQ(Joined(read), fields) << content;
    }
    FieldReader reader("2.5, 3.5,12abc,-7.25\r\n");
    // A list's elements are read in order: halves to even, then past the end nothing.
    const Lines read = {std::to_string(reader.nextInt16()), std::to_string(reader.nextInt16()),
                        FormatNumber(reader.nextNumber()), FormatNumber(reader.nextNumber()),
                        reader.atEnd() ? "end" : "more", reader.next(), std::to_string(reader.nextInt16())};
    EXPECT_EQ(read, (Lines{"2", "4", "12", "-7.25", "end", "", "0"}));
    for (const char* end : {"******", "", "  "}) EXPECT_TRUE(FieldReader::IsListEnd(end)) << end;
    for (const char* field : {"*****", "0"}) EXPECT_FALSE(FieldReader::IsListEnd(field)) << field;
}

TEST(TextFile, SplitsReadsAndWritesLinesButNoEndOfFileCharacter) {
    const std::pair<std::string, const char*> cases[] = {
        {"a\r\nb\r\n", "a|b"}, {"a\nb\n", "a|b"}, {"a\r\nb", "a|b"}, {"\r\n\r\nx\r\n", "||x"},
        {"a\r\n\x1A junk\r\n", "a"}, {"ab\x1A" "cd", "ab"}, {"", "(none)"}, {"  a  \r\n", "  a  "},
    };
    for (const auto& [content, lines] : cases) EXPECT_EQ(Joined(SplitLines(content)), lines) << content;

    test::Sandbox box;
    box.write("C:\\DATA\\Machine.lst", "1, \"Press, One\"\r\n2,Two\n******\x1A\x1A");
    EXPECT_EQ(Joined(ReadLines("C:\\DATA\\machine.LST").value_or({})), "1, \"Press, One\"|2,Two|******");
    // Line ends and failures naming the file are checked in the files the suite reads and writes.
    ASSERT_TRUE(WriteLines("C:\\DATA\\Empty.lst", {}).ok());
    EXPECT_EQ(box.read("C:\\DATA\\Empty.lst"), "");
    // Read back, Ctrl-Z would end the file at that line: "Lastfile.lst" would lose its end.
    EXPECT_EQ(WriteLines("C:\\DATA\\Machine.lst", {"\"C:\\JOBS\\\"", "\"PART\x1A" "1\"", "******"}).message(),
              "C:\\DATA\\Machine.lst: line 2 holds the end-of-file character Ctrl-Z, which would end the file there");
    EXPECT_EQ(box.read("C:\\DATA\\Machine.lst"), "1, \"Press, One\"\r\n2,Two\n******\x1A\x1A");
}

}  // namespace
}  // namespace qv
