// The progress box of a run and the moments the run gives the event loop.
#include "ui/windows/RunProgress.h"

#include <QApplication>

namespace kestrelon::ui {
namespace {

// How often a running battle lets the window repaint and hear its Cancel button: often enough
// to feel immediate, rarely enough to cost the run nothing measurable.
constexpr qint64 EventInterval = 40; // milliseconds

// The bar counts passes in whole steps; a run may make up to two thousand million of them.
constexpr int BarSteps = 1000;

} // namespace

RunProgress::RunProgress(QWidget* window, std::function<void(const std::string&)> caption, OutputHandler output)
    : m_window(window), m_caption(std::move(caption)), m_output(std::move(output))
{
}

RunProgress::~RunProgress()
{
    delete m_box;
}

void RunProgress::captionChanged(const std::string& caption)
{
    m_caption(caption);
    if (caption == sim::RunningCaption)
        showBox();
    else if (m_box)
        m_box->hide();
}

void RunProgress::showBox()
{
    if (!m_box) {
        m_box = new QProgressDialog(QStringLiteral("Running the battle..."), QStringLiteral("Cancel"), 0, BarSteps,
                                    m_window);
        m_box->setObjectName(QStringLiteral("runProgress"));
        m_box->setWindowTitle(QStringLiteral("Kestrelon!"));
        m_box->setWindowModality(Qt::ApplicationModal);
        m_box->setAutoClose(false);
        m_box->setAutoReset(false);
        m_box->setMinimumDuration(0);
        m_box->setMinimumWidth(360);
    }
    m_box->setValue(0);
    m_box->show();
    m_sinceEvents.start();
    QApplication::processEvents();
}

void RunProgress::passFinished(std::int32_t pass, std::int32_t passes)
{
    if (!m_box)
        return;
    m_box->setLabelText(QStringLiteral("Pass %1 of %2").arg(pass).arg(passes));
    m_box->setValue(static_cast<int>(static_cast<double>(pass) / passes * BarSteps));
}

// The frames are done: what follows is the scene's file dialog, which Cancel could not stop.
void RunProgress::outputReady(const std::string& text, std::size_t wholeSize)
{
    if (m_box)
        m_box->hide();
    m_output(text, wholeSize);
}

void RunProgress::stillWorking()
{
    if (!m_box || !m_box->isVisible() || m_sinceEvents.elapsed() < EventInterval)
        return;
    QApplication::processEvents();
    m_sinceEvents.restart();
}

bool RunProgress::cancelRequested()
{
    return m_box && m_box->wasCanceled();
}

} // namespace kestrelon::ui
