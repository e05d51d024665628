// The exact bytes of Tessary's output and the copy counts read from the user's answers.
#include "duplicator/core/DuplicateText.h"

#include "an8/SceneText.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <unistd.h>

namespace kestrelon::duplicator {
namespace {

struct RenderCase {
    const char* label;
    std::vector<Figure> figures;
    std::vector<std::int32_t> counts;
    std::string expected;
};

void PrintTo(const RenderCase& c, std::ostream* out)
{
    *out << c.label;
}

class RenderDuplicates : public ::testing::TestWithParam<RenderCase> {};

TEST_P(RenderDuplicates, WritesEveryCopyOnOneLine)
{
    const RenderCase& c = GetParam();
    EXPECT_EQ(renderDuplicates(c.figures, c.counts), c.expected) << c.label;
}

const RenderCase renderCases[] = {
    {"one figure, three copies",
     {{"knight", "  bone { }}"}},
     {3},
     " figure { \"knight001\"  bone { }}  figure { \"knight002\"  bone { }}  figure { \"knight003\"  bone { }} "},
    {"the copy number runs on from one figure to the next",
     {{"a", "}"}, {"b", "X}"}},
     {2, 3},
     " figure { \"a001\"}  figure { \"a002\"}  figure { \"b003\"X}  figure { \"b004\"X}  figure { \"b005\"X} "},
    {"counts of zero or less give no copies and take no numbers",
     {{"a", "}"}, {"b", "}"}, {"c", "}"}},
     {0, -2, 1},
     " figure { \"c001\"} "},
    {"inner quotes of a name are written as they are",
     {{"big \"red\" one", "}"}},
     {1},
     " figure { \"big \"red\" one001\"} "},
    {"no figures give an empty text", {}, {}, ""},
};

INSTANTIATE_TEST_SUITE_P(Figures, RenderDuplicates, ::testing::ValuesIn(renderCases));

TEST(RenderDuplicates, FromTheThousandthCopyOnTheNumberIsWrittenInFull)
{
    const std::string text = renderDuplicates({{"s", "}"}, {"t", "}"}}, {999, 2});
    const std::string tail = " figure { \"s998\"}  figure { \"s999\"}  figure { \"t1000\"}  figure { \"t1001\"} ";
    ASSERT_GE(text.size(), tail.size());
    EXPECT_EQ(text.substr(text.size() - tail.size()), tail);
    EXPECT_EQ(text.substr(0, 30), " figure { \"s001\"}  figure { \"s");
}

// The quoted names of the copies, in the order they were written (bodies of "}" alone).
std::vector<std::string> copyNames(const std::string& text)
{
    std::vector<std::string> names;
    const std::string opener = " figure { \"";
    for (size_t at = text.find(opener); at != std::string::npos; at = text.find(opener, at + 1)) {
        const size_t begin = at + opener.size();
        names.push_back(text.substr(begin, text.find("\"}", begin) - begin));
    }
    return names;
}

// Unit n of a scene shows the figure whose name ends in IndexSuffix(n): the nth copy must be it.
TEST(RenderDuplicates, EveryCopyCarriesTheNameTheSceneGivesItsUnit)
{
    const std::vector<std::string> names = copyNames(renderDuplicates({{"s", "}"}}, {1100}));
    ASSERT_EQ(names.size(), 1100u);
    for (std::int32_t n : {1, 9, 999, 1000, 1001, 1100}) {
        an8::UnitTexts unit;
        an8::OpenUnitTexts(unit, n, "s", 0, 0, 0);
        EXPECT_NE(unit.Header.find(" \"" + names[static_cast<size_t>(n) - 1] + "\" loc"), std::string::npos)
            << n << ": " << unit.Header;
    }
    EXPECT_EQ(std::set<std::string>(names.begin(), names.end()).size(), names.size());
}

struct CountCase {
    const char* answer;
    std::optional<std::int32_t> expected;
};

void PrintTo(const CountCase& c, std::ostream* out)
{
    *out << '"' << c.answer << '"';
}

class ParseCopyCount : public ::testing::TestWithParam<CountCase> {};

TEST_P(ParseCopyCount, RoundsHalvesToEvenAndRefusesNonNumbers)
{
    EXPECT_EQ(parseCopyCount(GetParam().answer), GetParam().expected) << GetParam().answer;
}

const CountCase countCases[] = {
    {"3", 3},          {" 12 ", 12},      {"2.5", 2},          {"3.5", 4},       {"-1", -1},
    {"0", 0},          {"1,000", 1000},   {"&H10", 16},        {"2147483647", 2147483647},
    {"", std::nullopt}, {"many", std::nullopt}, {"3 copies", std::nullopt}, {"2147483648", std::nullopt},
    {"1e20", std::nullopt},
};

INSTANTIATE_TEST_SUITE_P(Answers, ParseCopyCount, ::testing::ValuesIn(countCases));

struct ProblemCase {
    const char* answer;
    std::optional<std::string> expected;
};

void PrintTo(const ProblemCase& c, std::ostream* out)
{
    *out << '"' << c.answer << '"';
}

class CopyCountProblem : public ::testing::TestWithParam<ProblemCase> {};

TEST_P(CopyCountProblem, SaysWhyAnAnswerIsNoCount)
{
    EXPECT_EQ(copyCountProblem(GetParam().answer), GetParam().expected) << GetParam().answer;
}

const std::string TooLarge = " is too large: a count is at most 2147483647.";
const std::string TooSmall = " is too small: a count is at least -2147483648.";

const ProblemCase problemCases[] = {
    {"3", std::nullopt},
    {"-5", std::nullopt},
    {"2147483647", std::nullopt},
    {"-2147483648", std::nullopt},
    {"two", "\"two\" is not a number."},
    {"3 copies", "\"3 copies\" is not a number."},
    {"1e999x", "\"1e999x\" is not a number."},
    {"", "No number was given."},
    {"   ", "No number was given."},
    {"2147483648", "\"2147483648\"" + TooLarge},
    {"2147483647.5", "\"2147483647.5\"" + TooLarge},
    {"99999999999999999999999", "\"99999999999999999999999\"" + TooLarge},
    {"1e20", "\"1e20\"" + TooLarge},
    {"1e999", "\"1e999\"" + TooLarge},
    {" 1E+400 ", "\" 1E+400 \"" + TooLarge},
    {"-2147483649", "\"-2147483649\"" + TooSmall},
    {"-1d999", "\"-1d999\"" + TooSmall},
};

INSTANTIATE_TEST_SUITE_P(Answers, CopyCountProblem, ::testing::ValuesIn(problemCases));

TEST(WriteDuplicateFile, ReplacesAnExistingFileWithTheCopiesAlone)
{
    const std::filesystem::path output =
        std::filesystem::temp_directory_path() / ("kestrelon-dup-text-" + std::to_string(::getpid()) + ".an8");
    std::ofstream(output, std::ios::binary) << "an older and much longer text that must not survive";
    writeDuplicateFile(output.string(), {{"a", "}"}}, {2});
    std::ostringstream text;
    text << std::ifstream(output, std::ios::binary).rdbuf();
    std::filesystem::remove(output);
    EXPECT_EQ(text.str(), " figure { \"a001\"}  figure { \"a002\"} ");
}

} // namespace
} // namespace kestrelon::duplicator
