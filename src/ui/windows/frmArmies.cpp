#include "ui/windows/frmArmies.h"

namespace kestrelon::ui {

frmArmies::frmArmies(ProjectSession& session, Dialogs& dialogs)
    : EditorWindow(session, dialogs, QStringLiteral("frmArmies"), QStringLiteral("Form1"), QStringLiteral("Armies"))
{
}

} // namespace kestrelon::ui
