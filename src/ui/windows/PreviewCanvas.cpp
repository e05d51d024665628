// The frame's shapes through QPainter: the same shapes, colours and sizes as the still image,
// smoothed by Qt's antialiasing instead of the image's own coverage.
#include "ui/windows/PreviewCanvas.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace kestrelon::ui {
namespace {

QColor qColour(preview::Colour colour)
{
    return QColor(colour.r, colour.g, colour.b, colour.a);
}

// The map's surroundings when the window is not of the map's proportions.
const QColor Surroundings(0xD8, 0xD6, 0xD0);

// The ring around the unit the Trace pane follows: a colour no army or attack ring uses.
const QColor MarkColour(0x10, 0x9A, 0x3C);
constexpr double MarkRadius = preview::UnitRadius + 3.5;

// How near the pointer must come to a unit to name it, in pixels at scale 1.
constexpr double HoverReach = 8;

void paintShape(QPainter& painter, const preview::Shape& shape)
{
    std::visit(
        [&painter](const auto& s) {
            using S = std::decay_t<decltype(s)>;
            if constexpr (std::is_same_v<S, preview::Box>) {
                const QRectF box(s.left, s.top, s.width, s.height);
                painter.fillRect(box, qColour(s.fill));
                painter.setPen(QPen(qColour(s.outline), 1));
                painter.setBrush(Qt::NoBrush);
                painter.drawRect(box.adjusted(0.5, 0.5, -0.5, -0.5));
            } else if constexpr (std::is_same_v<S, preview::Disc>) {
                painter.setPen(Qt::NoPen);
                painter.setBrush(qColour(s.fill));
                painter.drawEllipse(QPointF(s.x, s.y), s.radius, s.radius);
            } else if constexpr (std::is_same_v<S, preview::Segment>) {
                painter.setPen(QPen(qColour(s.colour), s.width, Qt::SolidLine, Qt::RoundCap));
                painter.drawLine(QPointF(s.x1, s.y1), QPointF(s.x2, s.y2));
            } else if constexpr (std::is_same_v<S, preview::Ring>) {
                painter.setPen(QPen(qColour(s.colour), s.width));
                painter.setBrush(Qt::NoBrush);
                painter.drawEllipse(QPointF(s.x, s.y), s.radius, s.radius);
            } else {
                QFont font = painter.font();
                font.setBold(true);
                font.setPixelSize(std::max(1, static_cast<int>(std::lround(s.height))));
                painter.setFont(font);
                painter.setPen(qColour(s.colour));
                painter.drawText(QPointF(s.x, s.y + QFontMetricsF(font).ascent()), QString::fromStdString(s.text));
            }
        },
        shape);
}

} // namespace

void paintShapes(QPainter& painter, const preview::Drawing& drawing)
{
    painter.fillRect(QRectF(0, 0, drawing.width, drawing.height), qColour(drawing.background));
    for (const preview::Shape& shape : drawing.shapes)
        paintShape(painter, shape);
}

PreviewCanvas::PreviewCanvas(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("picMap"));
    setAccessibleName(QStringLiteral("Battle map"));
    setMouseTracking(true);
    setMinimumSize(preview::ImageWidth / 4, preview::ImageHeight / 4);
}

void PreviewCanvas::setRecording(std::shared_ptr<const sim::BattleRecording> recording)
{
    m_recording = std::move(recording);
    update();
}

void PreviewCanvas::setMarkedUnit(std::optional<std::size_t> unit)
{
    m_marked = unit;
    update();
}

void PreviewCanvas::setFrame(std::int32_t frame)
{
    m_frame = frame;
    update();
}

double PreviewCanvas::scale() const
{
    return std::min(width() / static_cast<double>(preview::ImageWidth),
                    height() / static_cast<double>(preview::ImageHeight));
}

QPointF PreviewCanvas::origin() const
{
    return {(width() - preview::ImageWidth * scale()) / 2, (height() - preview::ImageHeight * scale()) / 2};
}

QPointF PreviewCanvas::widgetPoint(double x, double z) const
{
    return origin() + QPointF(preview::pixelX(x, scale()), preview::pixelY(z, scale()));
}

void PreviewCanvas::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Surroundings);
    if (!m_recording)
        return;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(origin());
    paintShapes(painter, preview::drawFrame(*m_recording, m_frame, scale()));
    if (m_marked && *m_marked < m_recording->units.size()) {
        const sim::MapPoint at = m_recording->positionAt(m_recording->units[*m_marked], m_frame);
        painter.setPen(QPen(MarkColour, std::max(1.5, 2 * scale())));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(QPointF(preview::pixelX(at.x, scale()), preview::pixelY(at.z, scale())),
                            MarkRadius * scale(), MarkRadius * scale());
    }
}

// The nearest living unit within reach of the point, else the nearest fallen one: the living
// are drawn over the fallen.
std::optional<std::size_t> PreviewCanvas::unitAt(QPointF point) const
{
    if (!m_recording)
        return std::nullopt;
    std::optional<std::size_t> nearest[2]; // living, fallen
    double distances[2] = {HoverReach * scale(), HoverReach * scale()};
    for (std::size_t i = 0; i < m_recording->units.size(); ++i) {
        const sim::RecordedUnit& unit = m_recording->units[i];
        const sim::MapPoint at = m_recording->positionAt(unit, m_frame);
        const QPointF there = widgetPoint(at.x, at.z);
        const double distance = std::hypot(there.x() - point.x(), there.y() - point.y());
        const int kind = m_recording->fallenAt(unit, m_frame) ? 1 : 0;
        if (distance <= distances[kind]) {
            nearest[kind] = i;
            distances[kind] = distance;
        }
    }
    return nearest[0] ? nearest[0] : nearest[1];
}

void PreviewCanvas::mouseMoveEvent(QMouseEvent* event)
{
    emit unitHovered(unitAt(event->position()));
}

void PreviewCanvas::mousePressEvent(QMouseEvent* event)
{
    if (const auto unit = unitAt(event->position()); unit && event->button() == Qt::LeftButton)
        emit unitClicked(*unit);
}

void PreviewCanvas::leaveEvent(QEvent*)
{
    emit unitHovered(std::nullopt);
}

} // namespace kestrelon::ui
