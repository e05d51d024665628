// What the five editors share: each is one top-level window without an owner, created once
// and then shown, raised and hidden again; it reads the project when it becomes the active
// window and writes it on the user's buttons and clicks.
#pragma once

#include "platform/Dialogs.h"
#include "ui/windows/ProjectSession.h"

#include <QWidget>

namespace kestrelon::ui {

class EditorWindow : public QWidget {
    Q_OBJECT

public:
    // objectName: the window's name in the product (frmTypes, ...); caption: its title;
    // purpose: what a screen reader calls it, as several captions are just "Form1".
    EditorWindow(ProjectSession& session, Dialogs& dialogs, const QString& objectName, const QString& caption,
                 const QString& purpose);

    // Shows the window, or brings it to the front (restored when minimised) if it is open.
    void showEditor();

    // Before the project is saved, replaced or the program ends: edits the user made in this
    // window but did not yet store in the project are offered for keeping. The AI editor's
    // unsaved script is the one such edit. False when edits the user wants kept could not be
    // stored: the operation must not go on, or they would be lost.
    virtual bool settleUnsavedEdits() { return true; }

protected:
    // The window became the active one: refresh what it shows from the project.
    virtual void activated() {}
    // A load replaced the project: forget selections, which may point past its tables.
    virtual void projectReplaced() {}

    bool event(QEvent* event) override;

    Project& project() { return m_session.project(); }
    ProjectSession& session() { return m_session; }
    Dialogs& dialogs() { return m_dialogs; }

private:
    ProjectSession& m_session;
    Dialogs& m_dialogs;
};

} // namespace kestrelon::ui
