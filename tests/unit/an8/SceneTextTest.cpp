// The scene text, character for character: a unit's four texts from opening to its block,
// the key texts, the fixed head and tail, the unit number suffix and the quoted names.
#include "an8/IndexSuffix.h"
#include "an8/QuotedName.h"
#include "an8/SceneText.h"

#include <gtest/gtest.h>

namespace kestrelon::an8 {
namespace {

// Unit 2 showing soldier, opened at (10, 0, -5.5); its script moved it twice, faced once
// and attacked once.
UnitTexts soldierAfterItsRun()
{
    UnitTexts texts;
    OpenUnitTexts(texts, 2, "soldier", 10, 0, -5.5);
    texts.posOutput += positionKey(12.5, 0, -5.5, 1);
    texts.posOutput += positionKey(15, 0, -5.5, 2);
    texts.FaceOutput += facingKey(30, 0, 0, 1);
    texts.seqOutput += namedSequenceKey("attack", 2);
    CloseUnitTracks(texts);
    return texts;
}

const std::string SoldierFace =
    R"(null  {  "target002"    loc  {  (0 0 0)  }     controller  {  "position" track  {   pointkey { 1 ( 30 0 0 ) "?" } }}})";
const std::string SoldierHeader =
    R"(figureelement  {  "efigure002" "soldier002" loc  {  (10 0 -5.5)  }  facestarget  {   }  target  {  "target002"  }  )";
const std::string SoldierSequences = R"( namedsequence { "attack" 2 } )";
const std::string SoldierPositions =
    R"(controller  {  "position"    track  {   pointkey { 1 ( 12.5 0 -5.5 ) "?" }   pointkey { 2 ( 15 0 -5.5 ) "?" }  }}})";

TEST(SceneTextTest, TheSoldierExampleComesOutCharacterForCharacter)
{
    const UnitTexts texts = soldierAfterItsRun();
    EXPECT_EQ(texts.FaceOutput, SoldierFace);
    EXPECT_EQ(texts.Header, SoldierHeader);
    EXPECT_EQ(texts.seqOutput, SoldierSequences);
    EXPECT_EQ(texts.posOutput, SoldierPositions);
    const std::string block = SoldierFace + "  " + SoldierHeader + "  " + SoldierSequences + "  " + SoldierPositions + "  ";
    EXPECT_EQ(UnitBlock(texts), block);
    std::string appended = "before";
    appendUnitBlock(appended, texts);
    EXPECT_EQ(appended, "before" + block);
    // A writer that passes the pieces on unjoined writes the same block.
    std::string streamed;
    for (const std::string_view piece : unitBlockPieces(texts))
        streamed += piece;
    EXPECT_EQ(streamed, block);
    EXPECT_EQ(unitBlockSize(texts), block.size());
}

TEST(SceneTextTest, AUnitWithoutKeysClosesItsOpeningTextsDirectly)
{
    UnitTexts texts;
    texts.Header = texts.FaceOutput = texts.posOutput = "stale";
    OpenUnitTexts(texts, 1, "archer", 0.25, -3, 1.0 / 3.0);
    CloseUnitTracks(texts);
    EXPECT_EQ(texts.Header, R"(figureelement  {  "efigure001" "archer001" loc  {  (0.25 -3 0.333333333333333)  })"
                            R"(  facestarget  {   }  target  {  "target001"  }  )");
    EXPECT_EQ(texts.FaceOutput,
              R"(null  {  "target001"    loc  {  (0 0 0)  }     controller  {  "position" track  {  }}})");
    EXPECT_EQ(texts.posOutput, R"(controller  {  "position"    track  {  }}})");
    EXPECT_EQ(texts.seqOutput, "");
    // With no sequence keys four blanks part the header's own two from the position track.
    EXPECT_NE(UnitBlock(texts).find(R"("target001"  }      controller)"), std::string::npos);
}

TEST(SceneTextTest, OpeningKeepsTheSequenceKeysAndNumbersTheThousandthUnitInFull)
{
    UnitTexts texts;
    texts.seqOutput = "kept";
    OpenUnitTexts(texts, 1000, "rider", 1, 2, 3);
    EXPECT_EQ(texts.seqOutput, "kept");
    EXPECT_EQ(texts.Header, R"(figureelement  {  "efigure1000" "rider1000" loc  {  (1 2 3)  })"
                            R"(  facestarget  {   }  target  {  "target1000"  }  )");
    EXPECT_EQ(texts.FaceOutput.substr(0, 24), R"(null  {  "target1000"   )");
}

TEST(SceneTextTest, CoordinatesNearZeroAndFarOutAreWrittenWithoutAnExponent)
{
    UnitTexts texts;
    OpenUnitTexts(texts, 7, "scout", 0.0453527569770813, -0.0, -1e-20);
    EXPECT_EQ(texts.Header, R"(figureelement  {  "efigure007" "scout007" loc  {  (0.0453527569770813 0 )"
                            R"(-0.00000000000000000001)  }  facestarget  {   }  target  {  "target007"  }  )");
}

TEST(SceneTextTest, KeyTextsKeepTheirOwnSpacing)
{
    struct Case {
        std::string text, expected;
    };
    const std::vector<Case> cases = {
        {positionKey(12.5, 0, -5.5, 1), R"( pointkey { 1 ( 12.5 0 -5.5 ) "?" }  )"},
        {positionKey(-0.25, 1e20, 3, -4), R"( pointkey { -4 ( -0.25 100000000000000000000 3 ) "?" }  )"},
        {positionKey(0.0453527569770813, -0.0199999997764826, -0.0, 3),
         R"( pointkey { 3 ( 0.0453527569770813 -0.0199999997764826 0 ) "?" }  )"},
        {facingKey(1e-7, 1e15, 0.5, 1), R"( pointkey { 1 ( 0.0000001 1000000000000000 0.5 ) "?" } )"},
        {contactFacingKey(-0.0453527569770813, 0, 9007199254740992.0, 5),
         R"( pointkey { 5 (-0.0453527569770813 0 9007199254740990) "?"})"},
        {facingKey(30, 0, 0, 1), R"( pointkey { 1 ( 30 0 0 ) "?" } )"},
        {contactFacingKey(30, -1.5, 0, 12), R"( pointkey { 12 (30 -1.5 0) "?"})"},
        {namedSequenceKey("attack", 2), R"( namedsequence { "attack" 2 } )"},
        {namedSequenceKey("", 0), R"( namedsequence { "" 0 } )"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.text, c.expected);
}

TEST(SceneTextTest, HeadAndTailFrameTheScene)
{
    EXPECT_EQ(sceneHead(), R"(scene { "scene01"  frames { 72 }  groundgrid { 1 }  shadowbias { 0.00100 })"
                           R"(  background { 153 153 153 }  camera { "camera01" loc { (150 100 200) })"
                           R"(    orientation { (-0.04877 0.93733 -0.14632 -0.31244) }     fov { 90 }  }  )");
    EXPECT_EQ(sceneTail(), "}  ");
}

TEST(IndexSuffixTest, ThreeDigitsUpTo999ThenEveryDigit)
{
    const std::vector<std::pair<std::int32_t, std::string>> cases = {
        {1, "001"}, {9, "009"}, {10, "010"}, {42, "042"}, {99, "099"}, {100, "100"}, {999, "999"},
        {1000, "1000"}, {1001, "1001"}, {123456, "123456"}, {2147483647, "2147483647"}, {0, "000"},
    };
    for (const auto& [n, text] : cases)
        EXPECT_EQ(IndexSuffix(n), text) << n;
}

TEST(QuotedNameTest, TakesTheTextBetweenTheFirstAndTheLastQuote)
{
    const std::vector<std::pair<std::string, std::string>> cases = {
        {R"(figure { "soldier")", "soldier"},
        {R"(  figure { "soldier" })", "soldier"},
        {R"(figure { "a"b" })", R"(a"b)"},
        {R"(figure { "x" } "y")", R"(x" } "y)"},
        {R"(figure { "")", ""},
        {R"(figure { "unclosed)", ""},
        {"figure {", ""},
        {"", ""},
    };
    for (const auto& [line, name] : cases)
        EXPECT_EQ(GetQuotedName(line), name) << line;
}

} // namespace
} // namespace kestrelon::an8
