// The Preview window: the last completed run played on the map, frame by frame, with a slider,
// play and pause, a speed, and the unit under the pointer. Its Trace pane lists what the script
// of the unit the pointer rests on did in the shown frame. It changes nothing of the project.
#pragma once

#include "sim/BattleRecording.h"
#include "sim/RunReplay.h"

#include <QWidget>

#include <cstdint>
#include <memory>
#include <optional>

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QSlider;
class QSpinBox;
class QTimer;

namespace kestrelon::ui {

class PreviewCanvas;
class UnitTracer;

class frmPreview : public QWidget {
    Q_OBJECT

public:
    explicit frmPreview(QWidget* parent = nullptr);
    ~frmPreview() override;

    // Shows this recording from its last frame; playing stops. replay runs the same battle
    // again for the Trace pane (nullptr: its units cannot be traced).
    void setRecording(std::shared_ptr<const sim::BattleRecording> recording,
                      std::shared_ptr<const sim::RunReplay> replay = nullptr);
    std::int32_t frame() const;
    bool playing() const;
    // A battle run from the main window needs the processors and script memory to itself: the
    // trace under way stops, and starts again with resumeTracing if this recording stays.
    void stopTracing();
    void resumeTracing();

    // Frames played in a second at 1x.
    static constexpr int FramesPerSecond = 24;
    // How long the pointer rests on a unit before its trace starts, so passing over units on
    // the way to another does not run the battle again for each.
    static constexpr int TraceDelayMs = 250;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void createControls();
    QWidget* createTracePane();
    void showFrame(int frame);
    void togglePlaying();
    void setPlaying(bool on);
    void advance();
    void showUnit(std::optional<std::size_t> unit);
    void followUnit(std::size_t unit);
    void showTrace();
    QString unitName(std::size_t unit) const;

    std::shared_ptr<const sim::BattleRecording> m_recording;
    PreviewCanvas* picMap = nullptr;
    QPushButton* cmdPlay = nullptr;
    QSlider* sldFrame = nullptr;
    QLabel* lblFrame = nullptr;
    QComboBox* cboSpeed = nullptr;
    QLabel* lblUnit = nullptr;
    QSpinBox* spnTraceUnit = nullptr;
    QLabel* lblTrace = nullptr;
    QPlainTextEdit* txtTrace = nullptr;
    QTimer* m_timer = nullptr;
    QTimer* m_traceDelay = nullptr;
    UnitTracer* m_tracer = nullptr;
    std::optional<std::size_t> m_hovered;
    std::optional<std::size_t> m_pending; // the unit the pointer rests on, followed after the delay
    std::optional<std::size_t> m_traced;  // the unit the Trace pane follows
};

} // namespace kestrelon::ui
