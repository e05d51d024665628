// Control characters from files and scripts shown as visible escapes, and everything else,
// letters outside ASCII included, left as it was.
#include "platform/PrintableText.h"

#include <gtest/gtest.h>

namespace kestrelon {
namespace {

using namespace std::string_literals;

struct PrintableCase {
    const char* label;
    std::string text;
    Tabs tabs;
    std::string expected;
};

const PrintableCase printableCases[] = {
    {"plain text stays", "Pikeman 2, figure pike", Tabs::Keep, "Pikeman 2, figure pike"},
    {"an escape sequence", "red\x1b[31m!", Tabs::Keep, "red\\x1b[31m!"},
    {"line breaks", "a\r\nb\rc\nd", Tabs::Keep, "a\\x0d\\x0ab\\x0dc\\x0ad"},
    {"bell, backspace and NUL", "\x07x\x08"s + '\0', Tabs::Keep, "\\x07x\\x08\\x00"},
    {"the last control and DEL", "\x1f\x7f", Tabs::Keep, "\\x1f\\x7f"},
    {"a tab laying out a message stays", "a\tb", Tabs::Keep, "a\tb"},
    {"a tab inside a column is escaped", "a\tb", Tabs::Escape, "a\\x09b"},
    {"a control in its UTF-8 form", "\xc2\x9b" "2J", Tabs::Keep, "\\xc2\\x9b2J"},
    {"the first and last UTF-8 control", "\xc2\x80\xc2\x9f", Tabs::Keep, "\\xc2\\x80\\xc2\\x9f"},
    {"UTF-8 letters and the no-break space stay", "caf\xc3\xa9\xc2\xa0\xc2\xb0", Tabs::Keep,
     "caf\xc3\xa9\xc2\xa0\xc2\xb0"},
    {"UTF-8 letters whose later bytes lie in 128-159 stay", "\xe2\x80\x99\xe2\x82\xac", Tabs::Keep,
     "\xe2\x80\x99\xe2\x82\xac"},
    {"Latin-1 letters stay", "caf\xe9 \xff", Tabs::Keep, "caf\xe9 \xff"},
    {"8-bit controls outside UTF-8 text", "\x9b" "2J\x80\x85", Tabs::Keep, "\\x9b2J\\x80\\x85"},
    {"a lone lead byte at the end stays", "x\xc2", Tabs::Keep, "x\xc2"},
    {"a sequence cut short: its bytes are looked at one by one", "\xe2\x80" "a", Tabs::Keep,
     "\xe2\\x80a"},
    {"backslashes stay", "C:\\army\\x1b", Tabs::Keep, "C:\\army\\x1b"},
    {"space and tilde are the edges of plain ASCII", " ~", Tabs::Keep, " ~"},
    {"empty text", "", Tabs::Keep, ""},
};

void PrintTo(const PrintableCase& c, std::ostream* out)
{
    *out << c.label;
}

class PrintableText : public ::testing::TestWithParam<PrintableCase> {};

TEST_P(PrintableText, EscapesControlCharactersOnly)
{
    const PrintableCase& c = GetParam();
    EXPECT_EQ(printableText(c.text, c.tabs), c.expected) << c.label;
}

INSTANTIATE_TEST_SUITE_P(Texts, PrintableText, ::testing::ValuesIn(printableCases));

TEST(PrintableText, EscapingTwiceChangesNothingMore)
{
    const std::string once = printableText("\x1b[2J\xc2\x9b\t\r\n");
    EXPECT_EQ(printableText(once), once);
}

} // namespace
} // namespace kestrelon
