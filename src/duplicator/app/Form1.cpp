// Tessary's window: the caption and name the program always had, and the job on loading.
#include "duplicator/app/Form1.h"

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
}

JobOutcome Form1::load()
{
    DuplicatorJob job(m_dialogs, CD);
    return job.run();
}

} // namespace kestrelon::duplicator
