// Coverage by distance: a pixel whose centre lies half a pixel or more inside a shape's edge is
// wholly covered, one half a pixel or more outside is untouched, and in between it blends.
#include "preview/Raster.h"

#include "preview/BitmapFont.h"

#include <algorithm>
#include <cmath>

namespace kestrelon::preview {
namespace {

double clampedCoverage(double insideBy)
{
    return std::clamp(insideBy + 0.5, 0.0, 1.0);
}

// The distance from (px, py) to the segment from (x1, y1) to (x2, y2).
double distanceToSegment(double px, double py, const Segment& s)
{
    const double dx = s.x2 - s.x1;
    const double dy = s.y2 - s.y1;
    const double lengthSquared = dx * dx + dy * dy;
    double t = lengthSquared > 0 ? ((px - s.x1) * dx + (py - s.y1) * dy) / lengthSquared : 0;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(px - (s.x1 + t * dx), py - (s.y1 + t * dy));
}

} // namespace

Raster::Raster(int width, int height, Colour background)
    : m_width(std::max(width, 1)), m_height(std::max(height, 1)),
      m_rgb(static_cast<std::size_t>(m_width) * static_cast<std::size_t>(m_height) * 3)
{
    for (std::size_t i = 0; i < m_rgb.size(); i += 3) {
        m_rgb[i] = background.r;
        m_rgb[i + 1] = background.g;
        m_rgb[i + 2] = background.b;
    }
}

Colour Raster::pixel(int x, int y) const
{
    const std::size_t at = (static_cast<std::size_t>(y) * static_cast<std::size_t>(m_width) + static_cast<std::size_t>(x)) * 3;
    return {m_rgb[at], m_rgb[at + 1], m_rgb[at + 2]};
}

void Raster::blend(int x, int y, Colour colour, double coverage)
{
    const double alpha = coverage * colour.a / 255.0;
    if (alpha <= 0)
        return;
    const std::size_t at = (static_cast<std::size_t>(y) * static_cast<std::size_t>(m_width) + static_cast<std::size_t>(x)) * 3;
    const auto mix = [alpha](std::uint8_t under, std::uint8_t over) {
        return static_cast<std::uint8_t>(std::lround(over * alpha + under * (1 - alpha)));
    };
    m_rgb[at] = mix(m_rgb[at], colour.r);
    m_rgb[at + 1] = mix(m_rgb[at + 1], colour.g);
    m_rgb[at + 2] = mix(m_rgb[at + 2], colour.b);
}

template <typename Coverage>
void Raster::cover(double left, double top, double right, double bottom, Colour colour, Coverage coverage)
{
    const int x0 = std::max(0, static_cast<int>(std::floor(left)));
    const int y0 = std::max(0, static_cast<int>(std::floor(top)));
    const int x1 = std::min(m_width - 1, static_cast<int>(std::ceil(right)));
    const int y1 = std::min(m_height - 1, static_cast<int>(std::ceil(bottom)));
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x)
            blend(x, y, colour, coverage(x + 0.5, y + 0.5));
    }
}

void Raster::paint(const Shape& shape)
{
    std::visit(
        [this](const auto& s) {
            using S = std::decay_t<decltype(s)>;
            if constexpr (std::is_same_v<S, Box>)
                paintBox(s);
            else if constexpr (std::is_same_v<S, Disc>)
                paintDisc(s);
            else if constexpr (std::is_same_v<S, Segment>)
                paintSegment(s);
            else if constexpr (std::is_same_v<S, Ring>)
                paintRing(s);
            else
                paintLabel(s);
        },
        shape);
}

// The fill, then a one-pixel outline along its inside edge.
void Raster::paintBox(const Box& box)
{
    const double right = box.left + box.width;
    const double bottom = box.top + box.height;
    cover(box.left, box.top, right, bottom, box.fill, [&](double px, double py) {
        return std::min({clampedCoverage(px - box.left), clampedCoverage(right - px), clampedCoverage(py - box.top),
                         clampedCoverage(bottom - py)});
    });
    cover(box.left, box.top, right, bottom, box.outline, [&](double px, double py) {
        const bool inside = px >= box.left && px <= right && py >= box.top && py <= bottom;
        const double edge = std::min({px - box.left, right - px, py - box.top, bottom - py});
        return inside && edge < 1 ? 1.0 : 0.0;
    });
}

void Raster::paintDisc(const Disc& disc)
{
    cover(disc.x - disc.radius, disc.y - disc.radius, disc.x + disc.radius, disc.y + disc.radius, disc.fill,
          [&](double px, double py) { return clampedCoverage(disc.radius - std::hypot(px - disc.x, py - disc.y)); });
}

void Raster::paintSegment(const Segment& segment)
{
    const double half = segment.width / 2;
    cover(std::min(segment.x1, segment.x2) - half, std::min(segment.y1, segment.y2) - half,
          std::max(segment.x1, segment.x2) + half, std::max(segment.y1, segment.y2) + half, segment.colour,
          [&](double px, double py) { return clampedCoverage(half - distanceToSegment(px, py, segment)); });
}

void Raster::paintRing(const Ring& ring)
{
    const double outer = ring.radius + ring.width / 2;
    cover(ring.x - outer, ring.y - outer, ring.x + outer, ring.y + outer, ring.colour, [&](double px, double py) {
        return clampedCoverage(ring.width / 2 - std::abs(std::hypot(px - ring.x, py - ring.y) - ring.radius));
    });
}

// Each dot of a glyph is a square block, whole pixels wide so the letters stay crisp.
void Raster::paintLabel(const Label& label)
{
    const int dot = std::max(1, static_cast<int>(std::lround(label.height / GlyphRows)));
    int x = static_cast<int>(std::lround(label.x));
    const int y = static_cast<int>(std::lround(label.y));
    for (const char c : label.text) {
        const auto& rows = glyphOf(c);
        for (int row = 0; row < GlyphRows; ++row) {
            for (int column = 0; column < GlyphColumns; ++column) {
                if (rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] != '#')
                    continue;
                const double left = x + column * dot;
                const double top = y + row * dot;
                cover(left, top, left + dot - 1, top + dot - 1, label.colour, [](double, double) { return 1.0; });
            }
        }
        x += GlyphAdvance * dot;
    }
}

Raster paintDrawing(const Drawing& drawing)
{
    Raster raster(drawing.width, drawing.height, drawing.background);
    for (const Shape& shape : drawing.shapes)
        raster.paint(shape);
    return raster;
}

} // namespace kestrelon::preview
