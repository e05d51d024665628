// The positioning window's map of the battlefield, seen from above: it turns the pointer's
// position into map units and draws every type's deployment box as a cross, read from the
// project on every paint so no repaint, resize or reopening loses one.
#pragma once

#include "ui/windows/ProjectSession.h"

#include <QColor>
#include <QFrame>
#include <QPointF>

#include <cstdint>
#include <optional>

class QPainter;

namespace kestrelon::ui {

// A box as stored in a type: the first corner and the offsets to the second.
struct DeployBox {
    std::int32_t left = 0, top = 0, width = 0, height = 0;
};

class DeploymentMap : public QFrame {
    Q_OBJECT

public:
    // The map's extent in map units: x from -500 to +500 across, y from -500 down to about
    // +390.4, so one unit is longer across than down on screen, as the battlefield was laid out.
    static constexpr double Left = -500, Top = -500, Width = 1000, Height = 4875 / 5.475;
    // The drawing area's proportions, width to height.
    static constexpr int AspectWidth = 7395, AspectHeight = 4875;
    static constexpr int MinimumWidth = 493;  // the smallest drawing area that can still be aimed at

    static const QColor Team1Colour;      // crosses of team 1's types
    static const QColor OtherTeamsColour; // crosses of every other type
    static const QColor JustDrawnColour;  // the box the user has just drawn

    explicit DeploymentMap(const ProjectSession& session, QWidget* parent = nullptr);

    // The box the user has just drawn, shown over the others with the name of its type
    // (empty when it went into none); nullopt: none.
    void setJustDrawn(std::optional<DeployBox> box, const QString& name = QString());
    // The first corner of a box being drawn; nullopt: none pending.
    void setPendingCorner(std::optional<QPointF> corner);

    // The drawing area inside the border, in the widget's coordinates.
    QRectF drawingArea() const;
    QPointF toMap(QPointF widgetPosition) const;
    QPointF toWidget(QPointF mapPoint) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // A mouse button went down over the drawing area, at this map point.
    void pressed(QPointF mapPoint);
    // The pointer moved over the drawing area, to this map point.
    void moved(QPointF mapPoint);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QSize outerSize(int drawingWidth) const;
    void drawTypeBoxes(QPainter& painter) const;
    void drawBox(QPainter& painter, const DeployBox& box, const QColor& colour, const QString& name) const;
    void drawSegment(QPainter& painter, QPointF from, QPointF to) const;
    void drawPendingCorner(QPainter& painter) const;

    const ProjectSession& m_session;
    std::optional<DeployBox> m_justDrawn;
    QString m_justDrawnName;
    std::optional<QPointF> m_pendingCorner;
};

// Holds the map at the largest size that keeps its proportions, centred in the space the
// window's layout gives it, so the map grows with the window without being stretched.
class DeploymentMapHolder : public QWidget {
    Q_OBJECT

public:
    DeploymentMapHolder(DeploymentMap* map, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    DeploymentMap* m_map;
};

} // namespace kestrelon::ui
