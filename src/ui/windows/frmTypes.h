// The unit-type editor: unit types and their values.
#pragma once

#include "ui/windows/EditorWindow.h"

namespace kestrelon::ui {

class frmTypes : public EditorWindow {
    Q_OBJECT

public:
    frmTypes(ProjectSession& session, Dialogs& dialogs);
};

} // namespace kestrelon::ui
