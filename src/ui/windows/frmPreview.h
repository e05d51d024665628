// The Preview window: the last completed run played on the map, frame by frame, with a slider,
// play and pause, a speed, and the unit under the pointer. It shows a recording and changes
// nothing of the project.
#pragma once

#include "sim/BattleRecording.h"

#include <QWidget>

#include <cstdint>
#include <memory>
#include <optional>

class QComboBox;
class QLabel;
class QPushButton;
class QSlider;
class QTimer;

namespace kestrelon::ui {

class PreviewCanvas;

class frmPreview : public QWidget {
    Q_OBJECT

public:
    explicit frmPreview(QWidget* parent = nullptr);
    ~frmPreview() override;

    // Shows this recording from its last frame; playing stops.
    void setRecording(std::shared_ptr<const sim::BattleRecording> recording);
    std::int32_t frame() const;
    bool playing() const;

    // Frames played in a second at 1x.
    static constexpr int FramesPerSecond = 24;

private:
    void createControls();
    void showFrame(int frame);
    void togglePlaying();
    void setPlaying(bool on);
    void advance();
    void showUnit(std::optional<std::size_t> unit);

    std::shared_ptr<const sim::BattleRecording> m_recording;
    PreviewCanvas* picMap = nullptr;
    QPushButton* cmdPlay = nullptr;
    QSlider* sldFrame = nullptr;
    QLabel* lblFrame = nullptr;
    QComboBox* cboSpeed = nullptr;
    QLabel* lblUnit = nullptr;
    QTimer* m_timer = nullptr;
    std::optional<std::size_t> m_hovered;
};

} // namespace kestrelon::ui
