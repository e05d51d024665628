// The figure file loader: the figure catalogue, its sequences, and figures for types.
#pragma once

#include "ui/windows/EditorWindow.h"

namespace kestrelon::ui {

class frmFiles : public EditorWindow {
    Q_OBJECT

public:
    frmFiles(ProjectSession& session, Dialogs& dialogs);
};

} // namespace kestrelon::ui
