#include "ui/windows/frmPos.h"

namespace kestrelon::ui {

frmPos::frmPos(ProjectSession& session, Dialogs& dialogs)
    : EditorWindow(session, dialogs, QStringLiteral("frmPos"), QStringLiteral("Form1"), QStringLiteral("Positioning"))
{
}

} // namespace kestrelon::ui
