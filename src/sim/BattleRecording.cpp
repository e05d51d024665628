// The recording of a run and the questions a preview asks of it: where a unit stands, which
// way it faces, how much life it has at a frame.
#include "sim/BattleRecording.h"

#include "an8/SceneKeys.h"
#include "sim/UnitCreation.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace kestrelon::sim {

template <typename Value>
void KeyTrack<Value>::assign(std::vector<std::pair<std::int32_t, Value>> keys)
{
    std::stable_sort(keys.begin(), keys.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    m_runs.clear();
    m_values.clear();
    m_values.reserve(keys.size());
    std::int64_t previous = 0; // the frame of the last key kept
    for (std::size_t i = 0; i < keys.size(); ++i) {
        const std::int32_t frame = keys[i].first;
        if (i + 1 < keys.size() && keys[i + 1].first == frame)
            continue;
        if (m_runs.empty() || frame != previous + 1)
            m_runs.push_back({frame, static_cast<std::uint32_t>(m_values.size())});
        m_values.push_back(keys[i].second);
        previous = frame;
    }
    m_values.shrink_to_fit();
    m_runs.shrink_to_fit();
}

template <typename Value>
std::size_t KeyTrack<Value>::runOf(std::size_t key) const
{
    const auto after = std::upper_bound(m_runs.begin(), m_runs.end(), key,
                                        [](std::size_t wanted, const Run& run) { return wanted < run.firstKey; });
    return static_cast<std::size_t>(after - m_runs.begin()) - 1;
}

template <typename Value>
std::int32_t KeyTrack<Value>::frameOf(std::size_t key) const
{
    const Run& run = m_runs[runOf(key)];
    return run.firstFrame + static_cast<std::int32_t>(key - run.firstKey);
}

template <typename Value>
std::optional<std::size_t> KeyTrack<Value>::lastAtOrBefore(std::int32_t frame) const
{
    const auto after = std::upper_bound(m_runs.begin(), m_runs.end(), frame,
                                        [](std::int32_t wanted, const Run& run) { return wanted < run.firstFrame; });
    if (after == m_runs.begin())
        return std::nullopt;
    const Run& run = *(after - 1);
    const std::size_t end = after == m_runs.end() ? m_values.size() : after->firstKey;
    const auto offset = static_cast<std::size_t>(static_cast<std::int64_t>(frame) - run.firstFrame);
    return std::min<std::size_t>(run.firstKey + offset, end - 1);
}

template class KeyTrack<MapPoint>;
template class KeyTrack<std::uint16_t>;

namespace {

constexpr double FullTurn = 2 * std::numbers::pi;

std::uint16_t turnFraction(double radians)
{
    const double fraction = std::fmod(radians / FullTurn + 1.0, 1.0);
    return static_cast<std::uint16_t>(static_cast<std::uint32_t>(std::lround(fraction * 65536.0)) & 0xFFFFu);
}

std::int32_t lastKeyFrame(const RecordedUnit& unit)
{
    std::int32_t last = 0;
    if (!unit.positions.empty())
        last = std::max(last, unit.positions.frameOf(unit.positions.size() - 1));
    if (!unit.facings.empty())
        last = std::max(last, unit.facings.frameOf(unit.facings.size() - 1));
    if (!unit.sequences.empty())
        last = std::max(last, unit.sequences.back().frame);
    return last;
}

} // namespace

std::int32_t BattleRecording::lastFrame() const
{
    std::int32_t last = passes;
    for (const RecordedUnit& unit : units)
        last = std::max(last, lastKeyFrame(unit));
    return last;
}

MapPoint BattleRecording::positionAt(const RecordedUnit& unit, std::int32_t frame) const
{
    const KeyTrack<MapPoint>& track = unit.positions;
    const auto key = track.lastAtOrBefore(frame);
    if (!key)
        return unit.start;
    const MapPoint& from = track.valueOf(*key);
    if (*key + 1 >= track.size())
        return from;
    const std::int32_t fromFrame = track.frameOf(*key);
    const std::int32_t toFrame = track.frameOf(*key + 1);
    const MapPoint& to = track.valueOf(*key + 1);
    const double t = (static_cast<double>(frame) - fromFrame) / (static_cast<double>(toFrame) - fromFrame);
    return {static_cast<float>(from.x + (to.x - from.x) * t), static_cast<float>(from.z + (to.z - from.z) * t)};
}

std::optional<double> BattleRecording::facingAt(const RecordedUnit& unit, std::int32_t frame) const
{
    const auto key = unit.facings.lastAtOrBefore(frame);
    if (!key)
        return std::nullopt;
    return unit.facings.valueOf(*key) * FullTurn / 65536.0;
}

std::int32_t BattleRecording::lifeAt(const RecordedUnit& unit, std::int32_t frame) const
{
    const auto after = std::upper_bound(unit.life.begin(), unit.life.end(), frame,
                                        [](std::int32_t wanted, const LifeStep& step) { return wanted < step.pass; });
    return after == unit.life.begin() ? unit.life.front().life : (after - 1)->life;
}

const SequenceStart* BattleRecording::sequenceStartingAt(const RecordedUnit& unit, std::int32_t frame) const
{
    const auto found = std::lower_bound(unit.sequences.begin(), unit.sequences.end(), frame,
                                        [](const SequenceStart& start, std::int32_t wanted) { return start.frame < wanted; });
    return found != unit.sequences.end() && found->frame == frame ? &*found : nullptr;
}

std::pair<std::int32_t, std::int32_t> BattleRecording::livingAt(std::int32_t frame) const
{
    std::pair<std::int32_t, std::int32_t> living{0, 0};
    for (const RecordedUnit& unit : units) {
        if (fallenAt(unit, frame))
            continue;
        if (unit.army == 1)
            ++living.first;
        else if (unit.army == 2)
            ++living.second;
    }
    return living;
}

void BattleRecorder::unitsBuilt(const Project& project, const AvatarTable& avatars)
{
    m_recording = BattleRecording();
    m_sequenceIndex.clear();
    m_figureIndex.clear();
    for (std::int32_t t = 1; t <= project.NumTypes(); ++t) {
        const UnitType& type = project.UnitTypes[t];
        m_recording.typeNames.push_back(project.TypeNames[t]);
        m_recording.areas.push_back({type.Team, static_cast<double>(type.DeployLeft),
                                     static_cast<double>(type.DeployTop), static_cast<double>(type.DeployWidth),
                                     static_cast<double>(type.DeployHeight)});
    }
    m_recording.units.resize(static_cast<std::size_t>(avatars.NumAvatars()));
    for (std::int32_t i = 1; i <= avatars.NumAvatars(); ++i) {
        const Avatar& avatar = *avatars.find(i);
        RecordedUnit& unit = m_recording.units[static_cast<std::size_t>(i - 1)];
        unit.army = avatar.Team;
        unit.type = typeOfUnit(project, i);
        unit.figure = figureName(avatar.Figure);
        unit.start = {static_cast<float>(avatar.xPos), static_cast<float>(avatar.zPos)};
        unit.life.push_back({0, avatar.Maxlife});
        if (avatar.Maxlife <= 0)
            unit.fellAt = 0;
    }
}

void BattleRecorder::passDone(std::int32_t pass, const AvatarTable& avatars)
{
    m_recording.passes = pass;
    const auto count = std::min<std::size_t>(m_recording.units.size(), static_cast<std::size_t>(avatars.NumAvatars()));
    for (std::size_t i = 0; i < count; ++i) {
        const Avatar* avatar = avatars.find(static_cast<std::int32_t>(i + 1));
        RecordedUnit& unit = m_recording.units[i];
        if (!avatar || avatar->Maxlife == unit.life.back().life)
            continue;
        unit.life.push_back({pass, avatar->Maxlife});
        if (avatar->Maxlife <= 0 && unit.fellAt < 0)
            unit.fellAt = pass;
    }
}

BattleRecording BattleRecorder::finish(const AvatarTable& avatars)
{
    for (std::size_t i = 0; i < m_recording.units.size(); ++i) {
        if (const Avatar* avatar = avatars.find(static_cast<std::int32_t>(i + 1)))
            readKeys(m_recording.units[i], *avatar);
    }
    for (RecordedUnit& unit : m_recording.units)
        unit.life.shrink_to_fit();
    m_sequenceIndex.clear();
    m_figureIndex.clear();
    return std::exchange(m_recording, BattleRecording());
}

namespace {

// The index of name in names, which index keeps by name; a new name is added.
std::uint32_t indexOf(const std::string& name, std::vector<std::string>& names,
                      std::unordered_map<std::string, std::uint32_t>& index)
{
    const auto [found, added] = index.try_emplace(name, static_cast<std::uint32_t>(names.size()));
    if (added)
        names.push_back(name);
    return found->second;
}

} // namespace

std::uint32_t BattleRecorder::sequenceName(const std::string& name)
{
    return indexOf(name, m_recording.sequenceNames, m_sequenceIndex);
}

std::uint32_t BattleRecorder::figureName(const std::string& name)
{
    return indexOf(name, m_recording.figureNames, m_figureIndex);
}

// Positions first: a facing key turns the unit towards its target from where it stands then.
void BattleRecorder::readKeys(RecordedUnit& unit, const Avatar& avatar)
{
    std::vector<std::pair<std::int32_t, MapPoint>> positions;
    for (const an8::PointKey& key : an8::readPointKeys(avatar.posOutput))
        positions.emplace_back(key.frame, MapPoint{static_cast<float>(key.x), static_cast<float>(key.z)});
    unit.positions.assign(std::move(positions));

    std::vector<std::pair<std::int32_t, std::uint16_t>> facings;
    for (const an8::PointKey& key : an8::readPointKeys(avatar.FaceOutput)) {
        const MapPoint at = m_recording.positionAt(unit, key.frame);
        const double dx = key.x - at.x;
        const double dz = key.z - at.z;
        if (dx != 0 || dz != 0)
            facings.emplace_back(key.frame, turnFraction(std::atan2(dz, dx)));
    }
    unit.facings.assign(std::move(facings));

    for (const an8::SequenceKey& key : an8::readSequenceKeys(avatar.seqOutput))
        unit.sequences.push_back({key.frame, sequenceName(key.name)});
    std::stable_sort(unit.sequences.begin(), unit.sequences.end(),
                     [](const SequenceStart& a, const SequenceStart& b) { return a.frame < b.frame; });
    unit.sequences.shrink_to_fit();
}

} // namespace kestrelon::sim
