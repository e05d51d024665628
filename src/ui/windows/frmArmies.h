// The armies view: which unit types make up each army.
#pragma once

#include "ui/windows/EditorWindow.h"

namespace kestrelon::ui {

class frmArmies : public EditorWindow {
    Q_OBJECT

public:
    frmArmies(ProjectSession& session, Dialogs& dialogs);
};

} // namespace kestrelon::ui
