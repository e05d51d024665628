// Which lines of an An8 file become Tessary's figures: the header, the body up to the first
// line that is exactly "}", and nothing from the first sequence on.
#include "duplicator/core/FigureCollector.h"
#include "platform/FileError.h"

#include <gtest/gtest.h>

namespace kestrelon::duplicator {

void PrintTo(const Figure& figure, std::ostream* out)
{
    *out << "{name: \"" << figure.name << "\", body: \"" << figure.body << "\"}";
}

namespace {

struct CollectCase {
    const char* label;
    std::vector<std::string> lines;
    std::vector<Figure> expected;
};

void PrintTo(const CollectCase& c, std::ostream* out)
{
    *out << c.label;
}

class CollectFigures : public ::testing::TestWithParam<CollectCase> {};

TEST_P(CollectFigures, TakesTheFiguresBeforeTheFirstSequence)
{
    const CollectCase& c = GetParam();
    EXPECT_EQ(collectFigures(c.lines, "test.an8"), c.expected) << c.label;
}

const CollectCase collectCases[] = {
    {"two figures in file order, bodies joined without line breaks",
     {"header {", "}", "figure { \"soldier\"", "  bone { \"root\"", "  }", "}", "figure { \"knight\"", "}"},
     {{"soldier", "  bone { \"root\"  }}"}, {"knight", "}"}}},
    {"an indented brace does not close the figure",
     {"figure { \"a\"", "  }", "x", "}", "tail"},
     {{"a", "  }x}"}}},
    {"a brace with a blank after it does not close the figure",
     {"figure { \"a\"", "} ", "}"},
     {{"a", "} }"}}},
    {"a figure line after a sequence line is not collected",
     {"figure { \"a\"", "}", "sequence { \"walk\"", "  figure { \"a\" }", "}", "figure { \"late\"", "}"},
     {{"a", "}"}}},
    {"a sequence opener inside a figure body does not end collecting",
     {"figure { \"a\"", "  sequence { \"inner\"", "}", "figure { \"b\"", "}"},
     {{"a", "  sequence { \"inner\"}"}, {"b", "}"}}},
    {"a header that also holds a sequence opener opens a figure and nothing else",
     {"figure { \"a\" sequence {", "}", "figure { \"b\"", "}"},
     {{"a", "}"}, {"b", "}"}}},
    {"text after the last quote of the header is dropped",
     {"figure { \"knight\" (on horseback)", "  bone { }", "}"},
     {{"knight", "  bone { }}"}}},
    {"quotes inside the outer pair stay in the name",
     {"figure { \"big \"red\" one\"", "}"},
     {{"big \"red\" one", "}"}}},
    {"the opener is found anywhere in the line, with its case and its blank",
     {"Figure { \"a\"", "figure{ \"b\"", "}", "figures { \"x\"", "}", "  subfigure { \"c\"", "}"},
     {{"c", "}"}}},
    {"a header with its brace closed on the same line still runs to the next closing line",
     {"figure { \"flat\" }", "  bone { }", "}"},
     {{"flat", "  bone { }}"}}},
    {"a file with sequences only gives no figures",
     {"header {", "}", "sequence { \"walk\"", "  figure { \"a\" }", "}"},
     {}},
    {"an empty file gives no figures", {}, {}},
};

INSTANTIATE_TEST_SUITE_P(Lines, CollectFigures, ::testing::ValuesIn(collectCases));

struct UnclosedCase {
    const char* label;
    std::vector<std::string> lines;
    int headerLine;
    std::string name;
    std::vector<std::string> announced;
};

void PrintTo(const UnclosedCase& c, std::ostream* out)
{
    *out << c.label;
}

class UnclosedFigure : public ::testing::TestWithParam<UnclosedCase> {};

TEST_P(UnclosedFigure, IsReportedWithItsNameAndHeaderLine)
{
    const UnclosedCase& c = GetParam();
    std::vector<std::string> announced;
    try {
        collectFigures(c.lines, "army.an8", [&](const std::string& name) { announced.push_back(name); });
        FAIL() << "no error: " << c.label;
    } catch (const FileError& error) {
        EXPECT_EQ(error.path(), "army.an8");
        EXPECT_EQ(error.line(), c.headerLine);
        EXPECT_NE(error.cause().find("\"" + c.name + "\""), std::string::npos) << error.cause();
    }
    EXPECT_EQ(announced, c.announced) << c.label;
}

const UnclosedCase unclosedCases[] = {
    {"the header is the last line", {"header {", "}", "figure { \"a\""}, 3, "a", {"a"}},
    {"only indented braces follow", {"figure { \"a\"", "  }", "    }"}, 1, "a", {"a"}},
    {"the second figure is unclosed", {"figure { \"a\"", "}", "x", "figure { \"b\"", "  y", "} "}, 4, "b", {"a", "b"}},
};

INSTANTIATE_TEST_SUITE_P(Lines, UnclosedFigure, ::testing::ValuesIn(unclosedCases));

} // namespace
} // namespace kestrelon::duplicator
