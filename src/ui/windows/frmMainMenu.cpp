#include "ui/windows/frmMainMenu.h"

namespace kestrelon::ui {

frmMainMenu::frmMainMenu(Dialogs& dialogs, QWidget* parent) : QMainWindow(parent), m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("frmMainMenu"));
    setWindowTitle(QStringLiteral("Kestrelon!"));
}

} // namespace kestrelon::ui
