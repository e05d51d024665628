// What a completed run leaves for its preview: for every unit its army, type and start, the
// keys its scene texts hold (positions, facings, named sequences) and its life after every
// pass. Keys are read back from the texts after the frames, so the preview animates exactly
// what the scene file does; they are kept compact, as a big battle writes millions of them.
#pragma once

#include "model/Project.h"
#include "sim/AvatarTable.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace kestrelon::sim {

// A point of the positioning map: the scene's X and Z.
struct MapPoint {
    float x = 0;
    float z = 0;
};

// The keys of one track by frame. A track keyed in consecutive frames, as scripts key them
// turn after turn, keeps its frames as runs (a first frame and where its keys start), so a
// key costs no more than its value.
template <typename Value>
class KeyTrack {
public:
    // Keys in any order; of keys at the same frame the last written counts, as it is the
    // one the animation package ends up with.
    void assign(std::vector<std::pair<std::int32_t, Value>> keys);

    std::size_t size() const { return m_values.size(); }
    bool empty() const { return m_values.empty(); }
    std::int32_t frameOf(std::size_t key) const;
    const Value& valueOf(std::size_t key) const { return m_values[key]; }
    // The last key at or before frame; nullopt before the first key.
    std::optional<std::size_t> lastAtOrBefore(std::int32_t frame) const;

private:
    struct Run {
        std::int32_t firstFrame;
        std::uint32_t firstKey;
    };
    std::size_t runOf(std::size_t key) const;

    std::vector<Run> m_runs;
    std::vector<Value> m_values;
};

// A named sequence starting at a frame (an attack, most often); name indexes the recording's
// sequence names.
struct SequenceStart {
    std::int32_t frame = 0;
    std::uint32_t name = 0;
};

// A unit's life from a pass on.
struct LifeStep {
    std::int32_t pass = 0;
    std::int32_t life = 0;
};

struct RecordedUnit {
    std::int32_t army = 0; // the unit's Team: 1 or 2 are armies, anything else no army
    std::int32_t type = 0; // its type's index in the project
    std::uint32_t figure = 0; // the figure its scene element shows, in the recording's figure names
    MapPoint start;
    KeyTrack<MapPoint> positions;
    // The way it faces at each facing key, towards the target its FaceOutput keys place, as
    // a fraction of a full turn (65536) from the map's +X towards +Z.
    KeyTrack<std::uint16_t> facings;
    std::vector<SequenceStart> sequences; // by frame
    std::vector<LifeStep> life;           // from pass 0 (its life at the start) on, changes only
    std::int32_t fellAt = -1; // the first pass after which its life was 0 or less (0: from the
                              // start); -1: never
};

// A type's deployment box on the map, with the army its units belong to.
struct DeploymentArea {
    std::int32_t army = 0;
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
};

class BattleRecording {
public:
    std::vector<std::string> typeNames;     // entry i: type i + 1
    std::vector<DeploymentArea> areas;      // entry i: type i + 1
    std::vector<std::string> sequenceNames; // what SequenceStart::name indexes
    std::vector<std::string> figureNames;   // what RecordedUnit::figure indexes
    std::vector<RecordedUnit> units;        // entry i: unit i + 1
    std::int32_t passes = 0;

    // The last frame there is to show: the last pass, or a later frame a script keyed.
    std::int32_t lastFrame() const;

    // Where the unit stands at frame: linear between its position keys, at its start before
    // the first, at the last key after it.
    MapPoint positionAt(const RecordedUnit& unit, std::int32_t frame) const;
    // The way it faces at frame (radians from +X towards +Z), from its last facing key;
    // nullopt before its first.
    std::optional<double> facingAt(const RecordedUnit& unit, std::int32_t frame) const;
    // Its life at frame: pass p's life shows from frame p on, as scripts key pass p at frame p.
    std::int32_t lifeAt(const RecordedUnit& unit, std::int32_t frame) const;
    bool fallenAt(const RecordedUnit& unit, std::int32_t frame) const { return lifeAt(unit, frame) <= 0; }
    // The named sequence the unit starts at frame, if any.
    const SequenceStart* sequenceStartingAt(const RecordedUnit& unit, std::int32_t frame) const;
    // The living units of army 1 and army 2 at frame.
    std::pair<std::int32_t, std::int32_t> livingAt(std::int32_t frame) const;
};

// Builds a recording while a run goes on: the units once built, their life after every pass,
// and their keys once the frames are done.
class BattleRecorder {
public:
    void unitsBuilt(const Project& project, const AvatarTable& avatars);
    void passDone(std::int32_t pass, const AvatarTable& avatars);
    // Reads the keys from the units' finished texts; the recorder is empty afterwards.
    BattleRecording finish(const AvatarTable& avatars);

private:
    std::uint32_t sequenceName(const std::string& name);
    std::uint32_t figureName(const std::string& name);
    void readKeys(RecordedUnit& unit, const Avatar& avatar);

    BattleRecording m_recording;
    std::unordered_map<std::string, std::uint32_t> m_sequenceIndex;
    std::unordered_map<std::string, std::uint32_t> m_figureIndex;
};

} // namespace kestrelon::sim
