#include "ui/windows/frmTypes.h"

namespace kestrelon::ui {

frmTypes::frmTypes(ProjectSession& session, Dialogs& dialogs)
    : EditorWindow(session, dialogs, QStringLiteral("frmTypes"), QStringLiteral("Form1"), QStringLiteral("Unit Types"))
{
}

} // namespace kestrelon::ui
