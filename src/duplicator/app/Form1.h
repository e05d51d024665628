// Tessary's one window. Loading it runs the whole duplicator job through the dialogs; the
// window itself holds no controls and is shown, empty, once the job has ended.
#pragma once

#include "duplicator/core/DuplicatorJob.h"
#include "platform/Dialogs.h"

#include <QWidget>

namespace kestrelon::duplicator {

class Form1 : public QWidget {
public:
    explicit Form1(Dialogs& dialogs, QWidget* parent = nullptr);

    // The window's loading: runs the job once, to its end, before the window is shown.
    JobOutcome load();

private:
    Dialogs& m_dialogs;
    // The window's file dialog: it keeps its settings from the open dialog to the save dialog.
    FileDialogState CD;
};

} // namespace kestrelon::duplicator
