// The preview window's map: one frame of a recorded battle, drawn with the same shapes as the
// still image and the web page, as large as the widget allows with the map keeping its
// proportions. It reports the unit under the pointer.
#pragma once

#include "preview/FrameDrawing.h"
#include "sim/BattleRecording.h"

#include <QWidget>

#include <cstdint>
#include <memory>
#include <optional>

namespace kestrelon::ui {

class PreviewCanvas : public QWidget {
    Q_OBJECT

public:
    explicit PreviewCanvas(QWidget* parent = nullptr);

    void setRecording(std::shared_ptr<const sim::BattleRecording> recording);
    const sim::BattleRecording* recording() const { return m_recording.get(); }
    void setFrame(std::int32_t frame);
    std::int32_t frame() const { return m_frame; }
    // The unit the Trace pane follows, ringed on the map (nullopt: none).
    void setMarkedUnit(std::optional<std::size_t> unit);
    // Where a map point is in the widget at its present size.
    QPointF widgetPoint(double x, double z) const;

signals:
    // The unit under the pointer (its index in the recording), or none.
    void unitHovered(std::optional<std::size_t> unit);
    // A unit was clicked (its index in the recording).
    void unitClicked(std::size_t unit);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    double scale() const;
    QPointF origin() const;
    std::optional<std::size_t> unitAt(QPointF point) const;

    std::shared_ptr<const sim::BattleRecording> m_recording;
    std::int32_t m_frame = 0;
    std::optional<std::size_t> m_marked;
};

// Paints the drawing's shapes with painter, whose origin is the map's top left corner.
void paintShapes(class QPainter& painter, const preview::Drawing& drawing);

} // namespace kestrelon::ui
