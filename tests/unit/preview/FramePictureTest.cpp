// The frame drawing and its pixels: units of known armies at known places carry their army's
// colour at their centres, fallen units show grey, attacks are ringed, the label counts the
// living, the scale multiplies everything, the PNG holds those pixels, and the web page gets the
// recording in the form its player reads.
#include "preview/FrameDrawing.h"
#include "preview/PlayerPage.h"
#include "preview/PngFile.h"
#include "preview/Raster.h"

#include <gtest/gtest.h>

#include <zlib.h>

namespace kestrelon::preview {
namespace {

// Three units: one of army 1 walking from (-100, 50) to (100, 50) between frames 10 and 20 and
// attacking at frame 15, one of army 2 standing at (200, -300) that falls at pass 12, and one of
// no army at (0, 0).
sim::BattleRecording smallBattle()
{
    sim::BattleRecording recording;
    recording.passes = 30;
    recording.sequenceNames = {"strike"};
    recording.areas = {{1, -450, -450, 100, 100}, {2, 250, -250, -100, -100}};
    sim::RecordedUnit walker;
    walker.army = 1;
    walker.start = {-100, 50};
    walker.positions.assign({{10, sim::MapPoint{-100, 50}}, {20, sim::MapPoint{100, 50}}});
    walker.facings.assign({{10, std::uint16_t{0}}});
    walker.sequences = {{15, 0}};
    walker.life = {{0, 10}};
    sim::RecordedUnit stander;
    stander.army = 2;
    stander.start = {200, -300};
    stander.life = {{0, 10}, {12, 0}};
    stander.fellAt = 12;
    sim::RecordedUnit loner;
    loner.army = 7;
    loner.life = {{0, 1}};
    recording.units = {walker, stander, loner};
    return recording;
}

struct PixelCase {
    const char* name;
    std::int32_t frame;
    double scale;
    double x, z; // a map point
    Colour expected;
};

class FramePixels : public ::testing::TestWithParam<PixelCase> {};

TEST_P(FramePixels, AtAMapPointShowWhatStandsThere)
{
    const PixelCase& c = GetParam();
    const Raster raster = paintDrawing(drawFrame(smallBattle(), c.frame, c.scale));
    EXPECT_EQ(raster.width(), static_cast<int>(1000 * c.scale));
    EXPECT_EQ(raster.height(), static_cast<int>(890 * c.scale));
    const Colour seen = raster.pixel(static_cast<int>(pixelX(c.x, c.scale)), static_cast<int>(pixelY(c.z, c.scale)));
    EXPECT_EQ(seen, c.expected) << "frame " << c.frame << " at (" << c.x << ", " << c.z << "): " << int(seen.r) << ","
                                << int(seen.g) << "," << int(seen.b);
}

INSTANTIATE_TEST_SUITE_P(
    Preview, FramePixels,
    ::testing::Values(PixelCase{"WalkerBeforeItsFirstKeyStandsAtItsStart", 5, 1, -100, 50, Army1Colour},
                      PixelCase{"WalkerHalfWay", 15, 1, 0, 50, Army1Colour},
                      PixelCase{"WalkerLeftItsStart", 15, 1, -100, 50, BackgroundColour},
                      PixelCase{"WalkerAtTheEnd", 30, 1, 100, 50, Army1Colour},
                      PixelCase{"WalkerAtDoubleScale", 30, 2, 100, 50, Army1Colour},
                      PixelCase{"StanderAlive", 11, 1, 200, -300, Army2Colour},
                      PixelCase{"StanderFallenIsAGreyCross", 12, 1, 200, -300, FallenColour},
                      PixelCase{"UnitOfNoArmy", 1, 1, 0, 0, NoArmyColour},
                      PixelCase{"TheRingOfAnAttack", 15, 1, 0, 50 - RingRadius, AttackRingColour},
                      PixelCase{"NoRingTheFrameAfter", 16, 1, 20, 50 - RingRadius, BackgroundColour}),
    [](const ::testing::TestParamInfo<PixelCase>& info) { return info.param.name; });

TEST(FrameDrawing, TheFacingLinePointsTheWayTheUnitFaces)
{
    // Facing +X: the line runs right of the disc (its edge pixels partly covered), none left.
    const Raster raster = paintDrawing(drawFrame(smallBattle(), 30, 1));
    const Colour right = raster.pixel(static_cast<int>(pixelX(100 + 7, 1)), static_cast<int>(pixelY(50, 1)));
    EXPECT_LT(right.r, (BackgroundColour.r + Army1Colour.r) / 2) << "mostly the army's colour";
    EXPECT_GT(right.b, Army1Colour.b - 5);
    EXPECT_EQ(raster.pixel(static_cast<int>(pixelX(100 - 7, 1)), static_cast<int>(pixelY(50, 1))), BackgroundColour);
}

TEST(FrameDrawing, TheLabelCountsTheLivingOfEachArmy)
{
    const sim::BattleRecording recording = smallBattle();
    EXPECT_EQ(frameLabel(recording, 11), "Frame 11   Army 1: 1   Army 2: 1");
    EXPECT_EQ(frameLabel(recording, 12), "Frame 12   Army 1: 1   Army 2: 0");
    const Raster raster = paintDrawing(drawFrame(recording, 12, 1));
    int dark = 0;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 300; ++x)
            dark += raster.pixel(x, y) == LabelColour ? 1 : 0;
    EXPECT_GT(dark, 100) << "the label is painted in the top left corner";
}

TEST(FrameDrawing, DeploymentAreasAreFaintWhicheverCornerTheyWereDrawnFrom)
{
    const Raster raster = paintDrawing(drawFrame(smallBattle(), 1, 1));
    // Army 2's box was drawn from (250, -250) up and left to (150, -350).
    for (const Colour seen : {raster.pixel(static_cast<int>(pixelX(-420, 1)), static_cast<int>(pixelY(-420, 1))),
                              raster.pixel(static_cast<int>(pixelX(180, 1)), static_cast<int>(pixelY(-330, 1)))}) {
        EXPECT_NE(seen, BackgroundColour);
        EXPECT_GT(seen.r + seen.g + seen.b, 3 * 180) << "faint";
    }
}

// The PNG's header names the size, every chunk's CRC holds, and its data inflates to the
// raster's rows, each after a filter byte.
TEST(PngFile, HoldsTheRasterRowByRow)
{
    const Raster raster = paintDrawing(drawFrame(smallBattle(), 15, 0.5));
    const std::vector<std::uint8_t> png = encodePng(raster);
    const auto word = [&](std::size_t at) {
        return std::uint32_t{png[at]} << 24 | std::uint32_t{png[at + 1]} << 16 | std::uint32_t{png[at + 2]} << 8 |
               png[at + 3];
    };
    ASSERT_EQ(std::string(png.begin() + 1, png.begin() + 4), "PNG");
    EXPECT_EQ(word(16), 500u);
    EXPECT_EQ(word(20), 445u);
    std::vector<std::uint8_t> data;
    for (std::size_t at = 8; at < png.size();) {
        const std::uint32_t length = word(at);
        const std::string type(png.begin() + static_cast<std::ptrdiff_t>(at + 4), png.begin() + static_cast<std::ptrdiff_t>(at + 8));
        EXPECT_EQ(crc32(0, png.data() + at + 4, length + 4), word(at + 8 + length)) << type;
        if (type == "IDAT")
            data.insert(data.end(), png.begin() + static_cast<std::ptrdiff_t>(at + 8),
                        png.begin() + static_cast<std::ptrdiff_t>(at + 8 + length));
        at += 12 + length;
    }
    std::vector<std::uint8_t> rows(445 * (500 * 3 + 1));
    uLongf size = rows.size();
    ASSERT_EQ(uncompress(rows.data(), &size, data.data(), data.size()), Z_OK);
    ASSERT_EQ(size, rows.size());
    for (int y = 0; y < 445; y += 40) {
        const std::size_t row = static_cast<std::size_t>(y) * (500 * 3 + 1);
        EXPECT_EQ(rows[row], 0) << "no filter";
        for (int x = 0; x < 500; x += 37) {
            const Colour expected = raster.pixel(x, y);
            const std::size_t at = row + 1 + static_cast<std::size_t>(x) * 3;
            EXPECT_EQ((Colour{rows[at], rows[at + 1], rows[at + 2]}), expected) << x << "," << y;
        }
    }
}

} // namespace
} // namespace kestrelon::preview

namespace kestrelon::preview {
namespace {

// The page's player reads runs of consecutive frames as their first key whole and then the
// differences, in tenths of a map unit; texts cannot close the page's script element.
TEST(PlayerPage, WritesRunsAsTheirFirstKeyAndDifferences)
{
    sim::BattleRecording recording;
    recording.passes = 7;
    recording.typeNames = {"a\"b</script>\xe9"};
    recording.figureNames = {"knight"};
    sim::RecordedUnit unit;
    unit.army = 1;
    unit.type = 1;
    unit.start = {1, -2};
    unit.positions.assign({{1, sim::MapPoint{1, -2}}, {2, sim::MapPoint{1.5, -2}}, {3, sim::MapPoint{2.5, -1}},
                           {7, sim::MapPoint{-3, 0}}});
    unit.facings.assign({{2, std::uint16_t{16384}}, {3, std::uint16_t{0}}});
    unit.sequences = {{3, 0}};
    unit.life = {{0, 10}, {5, 0}};
    recording.units = {unit};
    recording.sequenceNames = {"strike"};
    EXPECT_EQ(recordingJson(recording, 4, 0.5),
              "{\"lastFrame\":7,\"start\":4,\"scale\":0.5,\"types\":[\"a\\\"b<\\/script>\\u00e9\"],\"areas\":[],"
              "\"figures\":[\"knight\"],\"sequences\":[\"strike\"],"
              "\"units\":[[1,1,0,10,-20,[1,3,10,-20,5,0,10,10,7,1,-30,0],[2,2,90,-90],[3,0],[0,10,5,0]]]}");
}

} // namespace
} // namespace kestrelon::preview
