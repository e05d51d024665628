// The AI script editor: one script per unit type.
#pragma once

#include "ui/windows/EditorWindow.h"

namespace kestrelon::ui {

class frmAI : public EditorWindow {
    Q_OBJECT

public:
    frmAI(ProjectSession& session, Dialogs& dialogs);
};

} // namespace kestrelon::ui
