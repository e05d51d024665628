// The main window: the File and Setup menus, the frame count, the army totals, the Run
// button and the run's output.
#pragma once

#include "platform/Dialogs.h"

#include <QMainWindow>

namespace kestrelon::ui {

class frmMainMenu : public QMainWindow {
    Q_OBJECT

public:
    explicit frmMainMenu(Dialogs& dialogs, QWidget* parent = nullptr);

private:
    Dialogs& m_dialogs;
};

} // namespace kestrelon::ui
