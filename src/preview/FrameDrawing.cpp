// The shapes of one frame. Fallen units go beneath the living so a crowd of the dead never
// hides who is still fighting; rings go last so an attack is seen in a crowd.
#include "preview/FrameDrawing.h"

#include <cmath>

namespace kestrelon::preview {
namespace {

Colour faded(Colour colour, std::uint8_t alpha)
{
    colour.a = alpha;
    return colour;
}

void addAreas(Drawing& drawing, const sim::BattleRecording& recording, double scale)
{
    for (const sim::DeploymentArea& area : recording.areas) {
        // A box may be drawn from any corner: its width or height is negative then.
        const double left = std::min(area.left, area.left + area.width);
        const double top = std::min(area.top, area.top + area.height);
        const Colour colour = armyColour(area.army);
        drawing.shapes.push_back(Box{pixelX(left, scale), pixelY(top, scale), std::abs(area.width) * scale,
                                     std::abs(area.height) * scale, faded(colour, 24), faded(colour, 90)});
    }
}

void addFallen(Drawing& drawing, const sim::BattleRecording& recording, std::int32_t frame, double scale)
{
    const double size = FallenCrossSize * scale;
    for (const sim::RecordedUnit& unit : recording.units) {
        if (!recording.fallenAt(unit, frame))
            continue;
        const sim::MapPoint at = recording.positionAt(unit, frame);
        const double x = pixelX(at.x, scale);
        const double y = pixelY(at.z, scale);
        drawing.shapes.push_back(Segment{x - size, y - size, x + size, y + size, scale, FallenColour});
        drawing.shapes.push_back(Segment{x - size, y + size, x + size, y - size, scale, FallenColour});
    }
}

void addLiving(Drawing& drawing, const sim::BattleRecording& recording, std::int32_t frame, double scale)
{
    std::vector<Shape> rings;
    for (const sim::RecordedUnit& unit : recording.units) {
        if (recording.fallenAt(unit, frame))
            continue;
        const sim::MapPoint at = recording.positionAt(unit, frame);
        const double x = pixelX(at.x, scale);
        const double y = pixelY(at.z, scale);
        const Colour colour = armyColour(unit.army);
        if (const auto facing = recording.facingAt(unit, frame)) {
            const double length = FacingLength * scale;
            drawing.shapes.push_back(Segment{x, y, x + std::cos(*facing) * length, y + std::sin(*facing) * length,
                                             FacingWidth * scale, colour});
        }
        drawing.shapes.push_back(Disc{x, y, UnitRadius * scale, colour});
        if (recording.sequenceStartingAt(unit, frame))
            rings.push_back(Ring{x, y, RingRadius * scale, RingWidth * scale, AttackRingColour});
    }
    drawing.shapes.insert(drawing.shapes.end(), rings.begin(), rings.end());
}

} // namespace

Colour armyColour(std::int32_t army)
{
    return army == 1 ? Army1Colour : army == 2 ? Army2Colour : NoArmyColour;
}

std::string frameLabel(const sim::BattleRecording& recording, std::int32_t frame)
{
    const auto [army1, army2] = recording.livingAt(frame);
    return "Frame " + std::to_string(frame) + "   Army 1: " + std::to_string(army1) +
           "   Army 2: " + std::to_string(army2);
}

Drawing drawFrame(const sim::BattleRecording& recording, std::int32_t frame, double scale)
{
    Drawing drawing;
    drawing.width = static_cast<int>(std::lround(ImageWidth * scale));
    drawing.height = static_cast<int>(std::lround(ImageHeight * scale));
    drawing.background = BackgroundColour;
    addAreas(drawing, recording, scale);
    addFallen(drawing, recording, frame, scale);
    addLiving(drawing, recording, frame, scale);
    const double margin = 6 * scale;
    drawing.shapes.push_back(Label{margin, margin, LabelHeight * scale, frameLabel(recording, frame), LabelColour});
    return drawing;
}

} // namespace kestrelon::preview
