#include "ui/windows/frmAI.h"

namespace kestrelon::ui {

frmAI::frmAI(ProjectSession& session, Dialogs& dialogs)
    : EditorWindow(session, dialogs, QStringLiteral("frmAI"), QStringLiteral("Form1"), QStringLiteral("AI Scripts"))
{
}

} // namespace kestrelon::ui
