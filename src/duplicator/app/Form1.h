// Tessary's one window. Loading it runs the whole duplicator job through the dialogs; the
// window is shown once the job has ended, holding one line on how it ended.
#pragma once

#include "duplicator/core/DuplicatorJob.h"
#include "platform/Dialogs.h"

#include <QWidget>

class QLabel;

namespace kestrelon::duplicator {

class Form1 : public QWidget {
public:
    explicit Form1(Dialogs& dialogs, QWidget* parent = nullptr);

    // The window's loading: runs the job once, to its end, before the window is shown, and
    // leaves the job's report in the window's line.
    JobOutcome load();

private:
    void createOutcomeLine();
    void showOutcome(const std::string& line);

    Dialogs& m_dialogs;
    // The window's file dialog: it keeps its settings from the open dialog to the save dialog.
    FileDialogState CD;
    // What was written, how many copies of how many figures to which file, or why nothing was:
    // without it the window would open empty, leaving a new user to wonder what happened.
    QLabel* m_outcome = nullptr;
};

} // namespace kestrelon::duplicator
