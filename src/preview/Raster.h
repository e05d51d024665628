// Painting a frame's drawing into pixels without a window system, for the still image: each
// shape covers the pixels near it in proportion to how much of each it covers, so edges are
// smooth, and the middle of a unit's disc is exactly its army's colour.
#pragma once

#include "preview/FrameDrawing.h"

#include <cstdint>
#include <vector>

namespace kestrelon::preview {

// Opaque RGB pixels, row after row from the top.
class Raster {
public:
    Raster(int width, int height, Colour background);

    int width() const { return m_width; }
    int height() const { return m_height; }
    Colour pixel(int x, int y) const;
    // Three bytes (red, green, blue) per pixel, rows from the top.
    const std::vector<std::uint8_t>& rgb() const { return m_rgb; }

    void paint(const Shape& shape);

private:
    void paintBox(const Box& box);
    void paintDisc(const Disc& disc);
    void paintSegment(const Segment& segment);
    void paintRing(const Ring& ring);
    void paintLabel(const Label& label);
    // Calls coverage(px, py) for every pixel centre in the rectangle and blends colour by it.
    template <typename Coverage>
    void cover(double left, double top, double right, double bottom, Colour colour, Coverage coverage);
    void blend(int x, int y, Colour colour, double coverage);

    int m_width;
    int m_height;
    std::vector<std::uint8_t> m_rgb;
};

// The drawing painted into a new raster.
Raster paintDrawing(const Drawing& drawing);

} // namespace kestrelon::preview
