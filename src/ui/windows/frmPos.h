// The deployment positioning window: a box on the map for each type.
#pragma once

#include "ui/windows/EditorWindow.h"

namespace kestrelon::ui {

class frmPos : public EditorWindow {
    Q_OBJECT

public:
    frmPos(ProjectSession& session, Dialogs& dialogs);
};

} // namespace kestrelon::ui
