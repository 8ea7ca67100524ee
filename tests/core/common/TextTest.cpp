// Trimming, case, colon values, fixed texts and quoted fields.
#include <gtest/gtest.h>

#include "core/common/Text.h"
#include "core/common/TextFile.h"

namespace qv {
namespace {

TEST(Text, TrimDropsBlanksAndTabsAtBothEndsOnly) {
    EXPECT_EQ(Trim("  \tA B\t "), "A B");
    EXPECT_EQ(Trim(" \t "), "");
    EXPECT_EQ(Trim(""), "");
    EXPECT_EQ(Trim("\r\nx"), "\r\nx");  // line ends are not blanks
}

TEST(Text, UpperAndEqualsNoCaseTouchOnlyAsciiLetters) {
    EXPECT_EQ(Upper("No, yes 12 \xe9"), "NO, YES 12 \xe9");
    EXPECT_TRUE(EqualsNoCase("Full Library", "FULL library"));
    EXPECT_FALSE(EqualsNoCase("abc", "abcd"));
    EXPECT_FALSE(EqualsNoCase("a-c", "a_c"));
    const std::vector<std::string> names = {"jobs", "JOBS", "Parts"};
    EXPECT_EQ(FindNoCase(names, "JOBS"), &names[1]);  // the exact spelling first
    EXPECT_EQ(FindNoCase(names, "Jobs"), &names[0]);
    EXPECT_EQ(FindNoCase(names, "Job"), nullptr);
}

struct ColonCase {
    const char* line;
    bool hasColon;
    const char* value;
};

TEST(Text, ValueAfterColonTakesTheFirstColon) {
    const ColonCase cases[] = {
        {"Nesting ? (Yes / No)                         : No", true, "No"},
        {"Folder : C:\\DATA\\ ", true, "C:\\DATA\\"},
        {"  plain value  ", false, "plain value"},
        {"Label:", true, ""},
        {":", true, ""},
        {"", false, ""},
    };
    for (const ColonCase& c : cases) {
        SCOPED_TRACE(c.line);
        EXPECT_EQ(HasColon(c.line), c.hasColon);
        EXPECT_EQ(ValueAfterColon(c.line), c.value);
    }
}

TEST(Text, FixedTextCutsOrPads) {
    EXPECT_EQ(FixedText("Punch", 8), "Punch   ");
    EXPECT_EQ(FixedText("Punch 10 long name", 8), "Punch 10");
    EXPECT_EQ(FixedText("", 3), "   ");
    EXPECT_EQ(FixedText("abc", 0), "");
}

TEST(Text, QuotedFieldsReadBackUnchanged) {
    const char* texts[] = {"plain", "with, comma", "  edge blanks ", "tab\t", "", "a\"b"};
    for (const char* text : texts) {
        SCOPED_TRACE(text);
        FieldReader reader(QuoteField(text) + "," + QuoteField("next") + "\r\n");
        EXPECT_EQ(reader.next(), text);
        EXPECT_EQ(reader.next(), "next");
        EXPECT_TRUE(reader.atEnd());
    }
}

TEST(Text, QuoteFieldCannotKeepAQuoteBesideAComma) {
    // The reader has no escape for a quote inside quotes: it becomes a single quote.
    EXPECT_EQ(QuoteField("say \"hi\", then"), "\"say 'hi', then\"");
    EXPECT_EQ(QuoteField("\"lead"), "\"'lead\"");
    EXPECT_EQ(QuoteField("two\r\nlines"), "two  lines");
}

}  // namespace
}  // namespace qv
