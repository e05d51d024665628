// Tessary's window: the caption and name the program always had, the job on loading, and the
// job's report as the window's one line.
#include "duplicator/app/Form1.h"

#include "ui/dialogs/QtDialogs.h"

#include <QLabel>
#include <QVBoxLayout>

#include <exception>

namespace kestrelon::duplicator {
namespace {

constexpr int DefaultWidth = 320;
constexpr int DefaultHeight = 240;

} // namespace

Form1::Form1(Dialogs& dialogs, QWidget* parent) : QWidget(parent), m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Form1"));
    resize(DefaultWidth, DefaultHeight);
    createOutcomeLine();
}

void Form1::createOutcomeLine()
{
    m_outcome = new QLabel(this);
    m_outcome->setObjectName(QStringLiteral("lblOutcome"));
    m_outcome->setTextFormat(Qt::PlainText);
    m_outcome->setWordWrap(true);
    m_outcome->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_outcome);
}

// The job reports its own failures; anything else still ends in a message and a line, not in
// a crash.
JobOutcome Form1::load()
{
    DuplicatorJob job(m_dialogs, CD);
    try {
        const JobOutcome outcome = job.run();
        showOutcome(job.report());
        return outcome;
    } catch (const std::exception& error) {
        const std::string line = std::string("Tessary stopped: ") + error.what() + ". No duplicates were written.";
        m_dialogs.message(line);
        showOutcome(line);
        return JobOutcome::Failed;
    }
}

void Form1::showOutcome(const std::string& line)
{
    m_outcome->setText(ui::toQString(line));
}

} // namespace kestrelon::duplicator
