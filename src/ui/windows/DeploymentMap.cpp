// The map's user scale, its painting and its pointer events. Positions are real numbers taken
// as a fraction of the drawing area, so the scale is the same at every size and pixel density.
#include "ui/windows/DeploymentMap.h"

#include "ui/dialogs/FileText.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace kestrelon::ui {

namespace {

constexpr int DefaultWidth = 640; // a little larger than the smallest map, so aiming is easy
const QColor Background(0xec, 0xf0, 0xe0);

// The part of the segment inside area (Liang-Barsky); nullopt when none is. Boxes loaded
// from a file may reach far past the map, and the painter copes badly with huge coordinates.
std::optional<QLineF> clipped(QPointF from, QPointF to, const QRectF& area)
{
    const double dx = to.x() - from.x(), dy = to.y() - from.y();
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {from.x() - area.left(), area.right() - from.x(), from.y() - area.top(),
                         area.bottom() - from.y()};
    double enter = 0, leave = 1;
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0)
                return std::nullopt;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            enter = std::max(enter, t);
        else
            leave = std::min(leave, t);
    }
    if (enter > leave)
        return std::nullopt;
    return QLineF(from + enter * QPointF(dx, dy), from + leave * QPointF(dx, dy));
}

bool isSet(const UnitType& type)
{
    return type.DeployLeft != 0 || type.DeployTop != 0 || type.DeployWidth != 0 || type.DeployHeight != 0;
}

} // namespace

const QColor DeploymentMap::Team1Colour(0x14, 0x48, 0xd2);
const QColor DeploymentMap::OtherTeamsColour(0xc8, 0x1e, 0x14);
const QColor DeploymentMap::JustDrawnColour(Qt::black);

DeploymentMap::DeploymentMap(const ProjectSession& session, QWidget* parent) : QFrame(parent), m_session(session)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setMouseTracking(true);
    setCursor(Qt::CrossCursor);
}

void DeploymentMap::setJustDrawn(std::optional<DeployBox> box, const QString& name)
{
    m_justDrawn = box;
    m_justDrawnName = name;
    update();
}

void DeploymentMap::setPendingCorner(std::optional<QPointF> corner)
{
    m_pendingCorner = corner;
    update();
}

QRectF DeploymentMap::drawingArea() const
{
    return QRectF(contentsRect());
}

QPointF DeploymentMap::toMap(QPointF widgetPosition) const
{
    const QRectF area = drawingArea();
    return {Left + (widgetPosition.x() - area.left()) * Width / area.width(),
            Top + (widgetPosition.y() - area.top()) * Height / area.height()};
}

QPointF DeploymentMap::toWidget(QPointF mapPoint) const
{
    const QRectF area = drawingArea();
    return {area.left() + (mapPoint.x() - Left) * area.width() / Width,
            area.top() + (mapPoint.y() - Top) * area.height() / Height};
}

QSize DeploymentMap::outerSize(int drawingWidth) const
{
    const int drawingHeight = static_cast<int>(std::lround(double(drawingWidth) * AspectHeight / AspectWidth));
    return QSize(drawingWidth, drawingHeight) + QSize(2 * frameWidth(), 2 * frameWidth());
}

QSize DeploymentMap::sizeHint() const
{
    return outerSize(DefaultWidth);
}

QSize DeploymentMap::minimumSizeHint() const
{
    return outerSize(MinimumWidth);
}

void DeploymentMap::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.fillRect(contentsRect(), Background);
    painter.setClipRect(contentsRect());
    drawTypeBoxes(painter);
    if (m_justDrawn)
        drawBox(painter, *m_justDrawn, JustDrawnColour, m_justDrawnName);
    drawPendingCorner(painter);
}

void DeploymentMap::drawTypeBoxes(QPainter& painter) const
{
    const Project& project = m_session.project();
    for (std::int32_t i = 1; i <= project.NumTypes(); ++i) {
        const UnitType& type = project.UnitTypes[i];
        if (!isSet(type))
            continue;
        const DeployBox box{type.DeployLeft, type.DeployTop, type.DeployWidth, type.DeployHeight};
        drawBox(painter, box, type.Team == 1 ? Team1Colour : OtherTeamsColour, toQString(project.TypeNames[i]));
    }
}

// The box's two diagonals, with a thin outline and the type's name above its first corner.
// The far corner is summed in 64 bits: a loaded box may reach past the 32-bit range.
void DeploymentMap::drawBox(QPainter& painter, const DeployBox& box, const QColor& colour, const QString& name) const
{
    const double left = box.left, top = box.top;
    const double right = double(std::int64_t(box.left) + box.width);
    const double bottom = double(std::int64_t(box.top) + box.height);
    const QPointF topLeft = toWidget({left, top}), bottomRight = toWidget({right, bottom});
    const QPointF bottomLeft = toWidget({left, bottom}), topRight = toWidget({right, top});

    painter.setPen(QPen(colour, 1, Qt::DotLine));
    drawSegment(painter, topLeft, topRight);
    drawSegment(painter, topRight, bottomRight);
    drawSegment(painter, bottomRight, bottomLeft);
    drawSegment(painter, bottomLeft, topLeft);
    painter.setPen(QPen(colour, 2));
    drawSegment(painter, topLeft, bottomRight);
    drawSegment(painter, bottomLeft, topRight);

    const QRectF outline = QRectF(topLeft, bottomRight).normalized();
    if (!name.isEmpty() && drawingArea().contains(outline.topLeft()))
        painter.drawText(outline.topLeft() + QPointF(2, -3), name);
}

void DeploymentMap::drawSegment(QPainter& painter, QPointF from, QPointF to) const
{
    if (const auto line = clipped(from, to, drawingArea().adjusted(-2, -2, 2, 2)))
        painter.drawLine(*line);
}

void DeploymentMap::drawPendingCorner(QPainter& painter) const
{
    if (!m_pendingCorner)
        return;
    painter.setPen(QPen(JustDrawnColour, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(toWidget(*m_pendingCorner), 4, 4);
}

void DeploymentMap::mousePressEvent(QMouseEvent* event)
{
    // The border is not part of the map: only the drawing area answers.
    if (drawingArea().contains(event->position()))
        emit pressed(toMap(event->position()));
}

void DeploymentMap::mouseMoveEvent(QMouseEvent* event)
{
    if (drawingArea().contains(event->position()))
        emit moved(toMap(event->position()));
}

DeploymentMapHolder::DeploymentMapHolder(DeploymentMap* map, QWidget* parent) : QWidget(parent), m_map(map)
{
    m_map->setParent(this);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

QSize DeploymentMapHolder::sizeHint() const
{
    return m_map->sizeHint();
}

QSize DeploymentMapHolder::minimumSizeHint() const
{
    return m_map->minimumSizeHint();
}

void DeploymentMapHolder::resizeEvent(QResizeEvent*)
{
    const int border = 2 * m_map->frameWidth();
    const int roomWidth = width() - border, roomHeight = height() - border;
    const int drawingWidth = std::min<int>(
        roomWidth, static_cast<int>(double(roomHeight) * DeploymentMap::AspectWidth / DeploymentMap::AspectHeight));
    const int drawingHeight = std::min<int>(
        roomHeight, static_cast<int>(std::lround(double(drawingWidth) * DeploymentMap::AspectHeight
                                                 / DeploymentMap::AspectWidth)));
    const QSize outer(drawingWidth + border, drawingHeight + border);
    m_map->setGeometry(QRect(QPoint((width() - outer.width()) / 2, (height() - outer.height()) / 2), outer));
}

} // namespace kestrelon::ui
