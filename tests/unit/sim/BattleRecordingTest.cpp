// The recording a run keeps for its preview: its compact key tracks, and a real battle's
// recording held against the scene file the same run wrote, key by key, and against the
// units' life at the end.
#include "sim/BattleRecording.h"
#include "sim/BattleRun.h"

#include "an8/IndexSuffix.h"
#include "an8/SceneText.h"
#include "model/ProjectFile.h"
#include "support/ScriptedDialogs.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <regex>
#include <unistd.h>

namespace kestrelon::sim {
namespace {

namespace fs = std::filesystem;

struct TrackCase {
    const char* name;
    std::vector<std::int32_t> frames; // keyed in this order, each key's value its position here
    std::vector<std::int32_t> keptFrames;
    std::vector<int> keptValues;
    // frame asked -> the key found (-1: none)
    std::vector<std::pair<std::int32_t, int>> lookups;
};

class KeyTracks : public ::testing::TestWithParam<TrackCase> {};

TEST_P(KeyTracks, KeepOneKeyPerFrameInFrameOrder)
{
    const TrackCase& c = GetParam();
    std::vector<std::pair<std::int32_t, std::uint16_t>> keys;
    for (std::size_t i = 0; i < c.frames.size(); ++i)
        keys.emplace_back(c.frames[i], static_cast<std::uint16_t>(i));
    KeyTrack<std::uint16_t> track;
    track.assign(keys);
    ASSERT_EQ(track.size(), c.keptFrames.size());
    for (std::size_t k = 0; k < track.size(); ++k) {
        EXPECT_EQ(track.frameOf(k), c.keptFrames[k]) << "key " << k;
        EXPECT_EQ(track.valueOf(k), c.keptValues[k]) << "key " << k;
    }
    for (const auto& [frame, expected] : c.lookups) {
        const auto found = track.lastAtOrBefore(frame);
        EXPECT_EQ(found ? static_cast<int>(*found) : -1, expected) << "frame " << frame;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Recording, KeyTracks,
    ::testing::Values(TrackCase{"Consecutive", {1, 2, 3}, {1, 2, 3}, {0, 1, 2}, {{0, -1}, {1, 0}, {3, 2}, {99, 2}}},
                      TrackCase{"Gaps", {1, 2, 5, 6, 10}, {1, 2, 5, 6, 10}, {0, 1, 2, 3, 4},
                                {{2, 1}, {3, 1}, {4, 1}, {5, 2}, {9, 3}, {10, 4}}},
                      TrackCase{"OutOfOrder", {5, 1, 3}, {1, 3, 5}, {1, 2, 0}, {{2, 0}, {4, 1}, {6, 2}}},
                      TrackCase{"SameFrameTwiceKeepsTheLast", {1, 2, 2, 3}, {1, 2, 3}, {0, 2, 3}, {{2, 1}}},
                      TrackCase{"NegativeAndExtremeFrames", {-5, 2147483647, 0}, {-5, 0, 2147483647}, {0, 2, 1},
                                {{-6, -1}, {-1, 0}, {2147483646, 1}, {2147483647, 2}}},
                      TrackCase{"Empty", {}, {}, {}, {{0, -1}}}),
    [](const ::testing::TestParamInfo<TrackCase>& info) { return info.param.name; });

TEST(BattleRecording, PositionsAreLinearBetweenKeysAndTheStartBeforeThem)
{
    BattleRecording recording;
    RecordedUnit unit;
    unit.start = {10, 20};
    unit.positions.assign({{4, MapPoint{0, 0}}, {8, MapPoint{40, -80}}});
    unit.life = {{0, 5}, {3, 0}};
    const struct {
        std::int32_t frame;
        float x, z;
    } cases[] = {{0, 10, 20}, {3, 10, 20}, {4, 0, 0}, {5, 10, -20}, {7, 30, -60}, {8, 40, -80}, {50, 40, -80}};
    for (const auto& c : cases) {
        const MapPoint at = recording.positionAt(unit, c.frame);
        EXPECT_FLOAT_EQ(at.x, c.x) << "frame " << c.frame;
        EXPECT_FLOAT_EQ(at.z, c.z) << "frame " << c.frame;
    }
    EXPECT_EQ(recording.lifeAt(unit, 2), 5);
    EXPECT_FALSE(recording.fallenAt(unit, 2));
    EXPECT_TRUE(recording.fallenAt(unit, 3)) << "pass 3's life shows from frame 3 on";
}

// The example battle, seeded, long enough for attacks and falls.
class RecordedBattle : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        const fs::path scene = fs::temp_directory_path() / ("kestrelon-recording-" + std::to_string(::getpid()) + ".an8");
        project = LoadProject(std::string(KESTRELON_SOURCE_DIR) + "/examples/battle.kst");
        RunOptions options;
        options.saveProject = false;
        options.scenePath = scene.string();
        options.attackMessages = false;
        options.record = true;
        FileDialogState projectDialog;
        run = std::make_unique<BattleRun>(project, dialogs, projectDialog, "150", options);
        RandomGenerator random = RandomGenerator::repeatable(7);
        run->useRandomGenerator(random);
        ASSERT_EQ(run->run(), RunOutcome::Completed);
        std::ifstream file(scene, std::ios::binary);
        sceneText.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
        fs::remove(scene);
    }
    static void TearDownTestSuite() { run.reset(); }

    // The part of the scene that holds unit's keys of one kind: its facing target's track,
    // its named sequences, or its position track.
    enum class Part { Facing, Sequences, Positions };
    static std::string partOf(std::int32_t unit, Part part)
    {
        const std::string suffix = an8::IndexSuffix(unit);
        const std::size_t facing = sceneText.find("\"target" + suffix + "\"    loc");
        const std::size_t header = sceneText.find("\"efigure" + suffix + "\"", facing);
        const std::size_t positions = sceneText.find("controller  {  \"position\"    track", header);
        const std::size_t next = sceneText.find("null  {  \"target", positions);
        switch (part) {
        case Part::Facing: return sceneText.substr(facing, header - facing);
        case Part::Sequences: return sceneText.substr(header, positions - header);
        case Part::Positions: return sceneText.substr(positions, next - positions);
        }
        return {};
    }

    struct SceneKey {
        std::int32_t frame;
        double x, z;
        std::string name;
    };
    static std::vector<SceneKey> keysIn(const std::string& text, const std::regex& pattern, bool named)
    {
        std::vector<SceneKey> keys;
        for (auto it = std::sregex_iterator(text.begin(), text.end(), pattern); it != std::sregex_iterator(); ++it) {
            const std::smatch& m = *it;
            if (named)
                keys.push_back({std::stoi(m[2]), 0, 0, m[1]});
            else
                keys.push_back({std::stoi(m[1]), std::stod(m[2]), std::stod(m[4]), ""});
        }
        return keys;
    }
    static std::vector<SceneKey> pointKeys(std::int32_t unit, Part part)
    {
        static const std::regex pattern(R"(pointkey \{ (-?\d+) \( ?(\S+) (\S+) ([^ )]+) ?\))");
        return keysIn(partOf(unit, part), pattern, false);
    }

    static inline Project project;
    static inline testing::ScriptedDialogs dialogs;
    static inline std::unique_ptr<BattleRun> run;
    static inline std::string sceneText;
};

TEST_F(RecordedBattle, EveryPositionKeyOfTheSceneIsWhereTheRecordingPutsTheUnit)
{
    const BattleRecording& recording = *run->recording();
    ASSERT_EQ(recording.units.size(), 25u);
    std::size_t keys = 0;
    for (std::int32_t i = 1; i <= 25; ++i) {
        const RecordedUnit& unit = recording.units[static_cast<std::size_t>(i - 1)];
        const auto scene = pointKeys(i, Part::Positions);
        EXPECT_EQ(unit.positions.size(), scene.size()) << "unit " << i;
        for (const SceneKey& key : scene) {
            const MapPoint at = recording.positionAt(unit, key.frame);
            EXPECT_NEAR(at.x, key.x, 1e-3) << "unit " << i << " frame " << key.frame;
            EXPECT_NEAR(at.z, key.z, 1e-3) << "unit " << i << " frame " << key.frame;
        }
        keys += scene.size();
    }
    EXPECT_GT(keys, 25u * 50u) << "the units moved for much of the battle";
}

TEST_F(RecordedBattle, EveryFacingKeyTurnsTheUnitTowardsItsTarget)
{
    const BattleRecording& recording = *run->recording();
    for (std::int32_t i = 1; i <= 25; ++i) {
        const RecordedUnit& unit = recording.units[static_cast<std::size_t>(i - 1)];
        for (const SceneKey& key : pointKeys(i, Part::Facing)) {
            const MapPoint at = recording.positionAt(unit, key.frame);
            if (std::hypot(key.x - at.x, key.z - at.z) < 1e-3)
                continue; // a target on the unit itself points nowhere
            const auto facing = recording.facingAt(unit, key.frame);
            ASSERT_TRUE(facing.has_value()) << "unit " << i << " frame " << key.frame;
            const double expected = std::atan2(key.z - at.z, key.x - at.x);
            const double off = std::remainder(*facing - expected, 2 * std::numbers::pi);
            EXPECT_NEAR(off, 0, 1e-3) << "unit " << i << " frame " << key.frame;
        }
    }
}

TEST_F(RecordedBattle, EveryNamedSequenceOfTheSceneStartsInTheRecording)
{
    static const std::regex pattern(R"re(namedsequence \{ "([^"]*)" (-?\d+) \})re");
    const BattleRecording& recording = *run->recording();
    std::size_t starts = 0;
    for (std::int32_t i = 1; i <= 25; ++i) {
        const RecordedUnit& unit = recording.units[static_cast<std::size_t>(i - 1)];
        const auto scene = keysIn(partOf(i, Part::Sequences), pattern, true);
        EXPECT_EQ(unit.sequences.size(), scene.size()) << "unit " << i;
        for (const SceneKey& key : scene) {
            const SequenceStart* start = recording.sequenceStartingAt(unit, key.frame);
            ASSERT_NE(start, nullptr) << "unit " << i << " frame " << key.frame;
            EXPECT_EQ(recording.sequenceNames[start->name], key.name);
        }
        starts += scene.size();
    }
    EXPECT_GT(starts, 0u) << "the battle has attacks";
}

TEST_F(RecordedBattle, LifeAndFallsFollowTheUnits)
{
    const BattleRecording& recording = *run->recording();
    EXPECT_EQ(recording.passes, 151);
    std::int32_t fallen = 0;
    for (std::int32_t i = 1; i <= 25; ++i) {
        const RecordedUnit& unit = recording.units[static_cast<std::size_t>(i - 1)];
        const Avatar& avatar = *run->Avatars().find(i);
        EXPECT_EQ(recording.lifeAt(unit, recording.passes), avatar.Maxlife) << "unit " << i;
        EXPECT_EQ(unit.army, avatar.Team);
        EXPECT_EQ(recording.figureNames[unit.figure], avatar.Figure);
        EXPECT_NE(sceneText.find("\"" + avatar.Figure + an8::IndexSuffix(i) + "\""), std::string::npos)
            << "the scene shows unit " << i << "'s figure";
        EXPECT_EQ(recording.typeNames[static_cast<std::size_t>(unit.type - 1)],
                  project.TypeNames[unit.type]);
        if (avatar.Maxlife > 0) {
            EXPECT_EQ(unit.fellAt, -1) << "unit " << i;
            continue;
        }
        ++fallen;
        ASSERT_GT(unit.fellAt, 0) << "unit " << i;
        EXPECT_FALSE(recording.fallenAt(unit, unit.fellAt - 1));
        EXPECT_TRUE(recording.fallenAt(unit, unit.fellAt));
    }
    EXPECT_GT(fallen, 0) << "the battle has falls";
    const auto [army1, army2] = recording.livingAt(recording.passes);
    EXPECT_EQ(army1 + army2, 25 - fallen);
}

} // namespace
} // namespace kestrelon::sim

namespace kestrelon::sim {
namespace {

// The trace of unit 1 of the example battle: one turn per pass, whatFrame counted up, every
// position key Game.OutputLoc gives back the very key text its arguments make, and tracing
// changes nothing of the scene.
TEST(UnitTraceTest, TracesWhatTheUnitsScriptDoesAndChangesNothing)
{
    const Project project = LoadProject(std::string(KESTRELON_SOURCE_DIR) + "/examples/battle.kst");
    const auto sceneOf = [&](std::int32_t traceUnit, std::vector<std::string>* lines) {
        const fs::path scene =
            fs::temp_directory_path() / ("kestrelon-trace-" + std::to_string(::getpid()) + std::to_string(traceUnit) + ".an8");
        testing::ScriptedDialogs dialogs;
        FileDialogState projectDialog;
        RunOptions options;
        options.saveProject = false;
        options.scenePath = scene.string();
        options.attackMessages = false;
        options.traceUnit = traceUnit;
        options.traceLine = [lines](const std::string& line) { lines->push_back(line); };
        BattleRun run(project, dialogs, projectDialog, "40", options);
        RandomGenerator random = RandomGenerator::repeatable(11);
        run.useRandomGenerator(random);
        EXPECT_EQ(run.run(), RunOutcome::Completed);
        std::ifstream file(scene, std::ios::binary);
        std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
        fs::remove(scene);
        return text;
    };
    std::vector<std::string> lines;
    std::vector<std::string> none;
    const std::string traced = sceneOf(1, &lines);
    EXPECT_EQ(traced, sceneOf(0, &none)) << "tracing changes nothing of the scene";
    EXPECT_TRUE(none.empty());
    for (int pass = 1; pass <= 41; ++pass) {
        const std::string counted = "pass " + std::to_string(pass) + ": ThisGuy.whatFrame = " + std::to_string(pass);
        EXPECT_NE(std::find(lines.begin(), lines.end(), counted), lines.end()) << counted;
    }
    static const std::regex outputLoc(R"re(^pass (\d+): Game\.OutputLoc\((\S+), (\S+), (\S+), (\d+)\) = "(.*)"$)re");
    int keys = 0;
    for (const std::string& line : lines) {
        std::smatch m;
        if (!std::regex_match(line, m, outputLoc))
            continue;
        ++keys;
        EXPECT_EQ(m[6].str(), an8::positionKey(std::stod(m[2]), std::stod(m[3]), std::stod(m[4]), std::stoi(m[5])))
            << line;
        EXPECT_EQ(m[1].str(), m[5].str()) << "the script keys pass p at frame p: " << line;
    }
    EXPECT_GT(keys, 10);
}

} // namespace
} // namespace kestrelon::sim
