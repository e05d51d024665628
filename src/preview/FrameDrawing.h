// One frame of a recorded battle as a list of shapes in paint order: the one drawing that the
// still image, the preview window and (mirrored in its script) the web page all show. The map
// is the positioning window's: X from -500 to 500 across, Z from -500 to 390.41 downwards.
#pragma once

#include "sim/BattleRecording.h"

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace kestrelon::preview {

struct Colour {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    std::uint8_t a = 255;
    friend bool operator==(const Colour&, const Colour&) = default;
};

// The map's extent, and the image size at scale 1 (one pixel per map unit).
inline constexpr double MapLeft = -500;
inline constexpr double MapRight = 500;
inline constexpr double MapTop = -500;
inline constexpr double MapBottom = 390.41;
inline constexpr int ImageWidth = 1000;
inline constexpr int ImageHeight = 890;

inline constexpr Colour Army1Colour{0x20, 0x60, 0xC0};
inline constexpr Colour Army2Colour{0xC0, 0x30, 0x30};
inline constexpr Colour NoArmyColour{0x80, 0x80, 0x80};
inline constexpr Colour BackgroundColour{0xF4, 0xF2, 0xEC};
inline constexpr Colour FallenColour{0x9A, 0x9A, 0x9A};
inline constexpr Colour AttackRingColour{0xE0, 0xA0, 0x00};
inline constexpr Colour LabelColour{0x20, 0x20, 0x20};

// Sizes in pixels at scale 1.
inline constexpr double UnitRadius = 4;
inline constexpr double FacingLength = 9;
inline constexpr double FacingWidth = 1.5;
inline constexpr double FallenCrossSize = 3;
inline constexpr double RingRadius = 7.5;
inline constexpr double RingWidth = 1.5;
inline constexpr double LabelHeight = 14; // the corner label's letters

Colour armyColour(std::int32_t army);

struct Box {
    double left, top, width, height;
    Colour fill;
    Colour outline;
};
struct Disc {
    double x, y, radius;
    Colour fill;
};
struct Segment {
    double x1, y1, x2, y2, width;
    Colour colour;
};
struct Ring {
    double x, y, radius, width;
    Colour colour;
};
struct Label {
    double x, y, height; // the top left corner of the text
    std::string text;
    Colour colour;
};
using Shape = std::variant<Box, Disc, Segment, Ring, Label>;

struct Drawing {
    int width = 0;
    int height = 0;
    Colour background;
    std::vector<Shape> shapes; // in paint order
};

// Where a map point lands in an image of that scale: (x + 500, z + 500) pixels, times scale.
inline double pixelX(double x, double scale)
{
    return (x - MapLeft) * scale;
}
inline double pixelY(double z, double scale)
{
    return (z - MapTop) * scale;
}

// The corner label: "Frame F   Army 1: N   Army 2: M".
std::string frameLabel(const sim::BattleRecording& recording, std::int32_t frame);

// The frame drawn at scale (pixels per map unit): the deployment areas faintly, fallen units
// as grey crosses beneath the living, each living unit a disc in its army's colour with a
// short line the way it faces, ringed when it starts a named sequence in this frame, and the
// label in the top left corner.
Drawing drawFrame(const sim::BattleRecording& recording, std::int32_t frame, double scale);

} // namespace kestrelon::preview
