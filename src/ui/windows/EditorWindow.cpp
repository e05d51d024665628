// Activation and showing, common to the five editors.
#include "ui/windows/EditorWindow.h"

#include <QEvent>

namespace kestrelon::ui {

EditorWindow::EditorWindow(ProjectSession& session, Dialogs& dialogs, const QString& objectName,
                           const QString& caption, const QString& purpose)
    : QWidget(nullptr), m_session(session), m_dialogs(dialogs)
{
    setObjectName(objectName);
    setWindowTitle(caption);
    setAccessibleName(purpose);
    connect(&session, &ProjectSession::replaced, this, [this] { projectReplaced(); });
}

void EditorWindow::showEditor()
{
    if (isMinimized())
        showNormal();
    else
        show();
    raise();
    activateWindow();
}

bool EditorWindow::event(QEvent* event)
{
    const bool handled = QWidget::event(event);
    if (event->type() == QEvent::WindowActivate)
        activated();
    return handled;
}

} // namespace kestrelon::ui
