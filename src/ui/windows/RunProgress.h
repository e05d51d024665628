// What the main window shows while a battle runs: the caption, a progress bar counting the
// passes and a Cancel button. The run happens on the window's own thread, so the window
// hands the event loop a moment now and then to repaint and to take a click on Cancel; the
// progress box is modal, so no other window takes input meanwhile.
#pragma once

#include "sim/BattleRun.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QProgressDialog>

#include <cstddef>
#include <functional>
#include <optional>

namespace kestrelon::ui {

class RunProgress : public sim::RunObserver {
public:
    // The units' text as the run keeps it (its start) and the size of the whole.
    using OutputHandler = std::function<void(const std::string& text, std::size_t wholeSize)>;

    // caption: shows the run's caption in the main window; output: receives the units' text.
    RunProgress(QWidget* window, std::function<void(const std::string&)> caption, OutputHandler output);
    ~RunProgress() override;

    void captionChanged(const std::string& caption) override;
    void passFinished(std::int32_t pass, std::int32_t passes) override;
    void outputReady(const std::string& text, std::size_t wholeSize) override;
    void stillWorking() override;
    bool cancelRequested() override;
    void unitFailed(const sim::UnitFailure& failure) override { m_failure = failure; }

    // The turn that ended the run, when a unit's script failed.
    const std::optional<sim::UnitFailure>& failure() const { return m_failure; }

private:
    void showBox();

    QWidget* m_window;
    std::function<void(const std::string&)> m_caption;
    OutputHandler m_output;
    QPointer<QProgressDialog> m_box;
    QElapsedTimer m_sinceEvents;
    std::optional<sim::UnitFailure> m_failure;
};

} // namespace kestrelon::ui
