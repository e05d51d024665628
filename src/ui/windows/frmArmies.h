// The armies view: which unit types make up each of the two armies. A type belongs to an army
// through its Team, set in the unit-type editor; this window only shows.
#pragma once

#include "ui/windows/EditorWindow.h"

class QListWidget;

namespace kestrelon::ui {

class frmArmies : public EditorWindow {
    Q_OBJECT

public:
    frmArmies(ProjectSession& session, Dialogs& dialogs);

protected:
    void activated() override;
    void projectReplaced() override;

private slots:
    void teamClicked(int row);

private:
    void createLists();

    QListWidget* lstTeams = nullptr;
    QListWidget* lstTypes = nullptr;
};

} // namespace kestrelon::ui
