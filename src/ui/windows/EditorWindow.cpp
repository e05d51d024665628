// Activation and showing, common to the five editors.
#include "ui/windows/EditorWindow.h"

#include <QEvent>
#include <QScreen>

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
    // Qt would cut a window without a size of its own to two thirds of the screen's height,
    // which squeezes the positioning map; the window takes the size its layout asks for, as
    // far as the screen allows.
    if (!testAttribute(Qt::WA_Resized) && screen())
        resize(sizeHint().boundedTo(screen()->availableGeometry().size()));
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
