// The web page that plays a recorded battle: one file holding the recording and a canvas player
// (play and pause, a frame slider, speed, the unit under the pointer) that opens from disk in a
// current browser with no network access.
#pragma once

#include "sim/BattleRecording.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace kestrelon::preview {

// The recording as the page's player reads it (JSON): positions in tenths of a map unit and
// facings in whole degrees, each run of consecutive frames as its first key and differences.
std::string recordingJson(const sim::BattleRecording& recording, std::int32_t startFrame, double scale);

// Writes the page, opening at startFrame and drawn at scale, whole or not at all; returns its
// size in bytes. Raises FileError naming the file and the cause.
std::size_t writePlayerPage(const sim::BattleRecording& recording, std::int32_t startFrame, double scale,
                            const std::string& path);

} // namespace kestrelon::preview
