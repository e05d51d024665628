// The edge between script texts and 1252 bytes: every byte widens to its unit and narrows back
// to itself, units the code page lacks leave as "?", and code text keeps every unit.
#include "vbscript/values/Text.h"

#include <gtest/gtest.h>

#include <string>

namespace kestrelon::vbs::testing {
namespace {

TEST(TextEdge, EveryByteComesBackFromItsUnit)
{
    std::string all;
    for (int byte = 0; byte < 256; ++byte)
        all += static_cast<char>(byte);
    const Text units = widenText(all);
    ASSERT_EQ(units.size(), all.size());
    EXPECT_EQ(narrowText(units), all);
    for (int byte = 0; byte < 256; ++byte)
        EXPECT_EQ(byteOfUnit(units[static_cast<std::size_t>(byte)]), byte) << byte;
}

struct Mapping {
    unsigned char byte;
    char16_t unit;
};

class CodePage1252 : public ::testing::TestWithParam<Mapping> {};

TEST_P(CodePage1252, WidensTheByteToItsCharacter)
{
    EXPECT_EQ(unitOfByte(GetParam().byte), GetParam().unit);
    EXPECT_EQ(widenText(std::string(1, static_cast<char>(GetParam().byte))), Text(1, GetParam().unit));
}

INSTANTIATE_TEST_SUITE_P(
    TextEdge, CodePage1252,
    ::testing::Values(Mapping{0x00, 0x0000}, Mapping{0x41, 0x0041}, Mapping{0x7F, 0x007F}, Mapping{0x80, 0x20AC},
                      Mapping{0x81, 0x0081}, Mapping{0x82, 0x201A}, Mapping{0x8A, 0x0160}, Mapping{0x8D, 0x008D},
                      Mapping{0x8F, 0x008F}, Mapping{0x90, 0x0090}, Mapping{0x96, 0x2013}, Mapping{0x99, 0x2122},
                      Mapping{0x9D, 0x009D}, Mapping{0x9F, 0x0178}, Mapping{0xA0, 0x00A0}, Mapping{0xE9, 0x00E9},
                      Mapping{0xFF, 0x00FF}));

struct Narrowing {
    Text units;
    std::string bytes;
};

class NarrowedText : public ::testing::TestWithParam<Narrowing> {};

TEST_P(NarrowedText, WritesAUnitWithoutAByteAsAQuestionMark)
{
    EXPECT_EQ(narrowText(GetParam().units), GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(
    TextEdge, NarrowedText,
    ::testing::Values(Narrowing{u"plain", "plain"}, Narrowing{Text(1, 0x20AC), "\x80"},
                      Narrowing{Text(1, 0x0080), "?"}, Narrowing{Text(1, 0x009F), "?"},
                      Narrowing{Text(1, 0x0100), "?"}, Narrowing{Text(1, 0x03C0), "?"},
                      Narrowing{Text{0xD83D, 0xDE00}, "??"}, Narrowing{Text(1, 0xFFFF), "?"},
                      Narrowing{Text{u'a', 0x0178, u'b', 0x2122}, "a\x9f" "b\x99"}));

TEST(TextEdge, NarrowingIntoBytesKeepsTheirBuffer)
{
    std::string bytes(1000, 'x');
    const char* buffer = bytes.data();
    narrowTextInto(u"short", bytes);
    EXPECT_EQ(bytes, "short");
    EXPECT_EQ(bytes.data(), buffer);
}

TEST(TextEdge, CodeTextKeepsEveryUnit)
{
    Text every;
    for (char32_t unit = 0; unit <= 0xFFFF; ++unit)
        every += static_cast<char16_t>(unit);
    const std::string written = unitsAsUtf8(every);
    EXPECT_EQ(unitsFromUtf8(written), every);
    EXPECT_EQ(unitsAsUtf8(u"x = \"a\""), "x = \"a\"");
    EXPECT_EQ(unitsAsUtf8(Text(1, 0x03C0)), "\xCF\x80");
    EXPECT_EQ(unitsAsUtf8(Text(1, 0xD83D)), "\xED\xA0\xBD");
}

} // namespace
} // namespace kestrelon::vbs::testing
