#include "ui/windows/frmFiles.h"

namespace kestrelon::ui {

frmFiles::frmFiles(ProjectSession& session, Dialogs& dialogs)
    : EditorWindow(session, dialogs, QStringLiteral("frmFiles"), QStringLiteral("File Loader"), QStringLiteral("File Loader"))
{
}

} // namespace kestrelon::ui
