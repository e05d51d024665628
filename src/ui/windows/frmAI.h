// The AI script editor: pick a unit type from the list, edit its script, and store it in the
// type with "Save Code". Edits not yet stored are offered for keeping before they would be
// replaced, so a script is never lost without the user saying so. The editor colours the
// script, numbers its lines, completes the members of Game and ThisGuy, and "Check" compiles
// the edited text as a run's script check does and marks where it fails, storing nothing.
#pragma once

#include "ui/windows/EditorWindow.h"

#include <cstdint>
#include <string>

class QLabel;
class QListWidget;
class QPushButton;

namespace kestrelon::ui {

class ScriptEditor;

class frmAI : public EditorWindow {
    Q_OBJECT

public:
    frmAI(ProjectSession& session, Dialogs& dialogs);

    // Asks whether to keep a changed, unsaved script; Yes stores it, No drops it.
    bool settleUnsavedEdits() override;

    // The type whose script is in the editor; 0 while none has been chosen.
    std::int32_t curType() const { return CurType; }

    // Shows the script of the type of that name with the place a run failed at marked (its
    // unsaved edits offered for keeping first); false when no type has the name any more.
    bool showFailure(const std::string& typeName, int line, int column);

protected:
    void activated() override;
    void projectReplaced() override;

private slots:
    void chooseType(int row);
    void scriptEdited();
    void saveCode();
    void checkScript();
    void showPosition();

private:
    void createControls();
    void createLayout();
    void fillTypeList();
    void showScript(std::int32_t type);
    void showLabel(std::int32_t type);
    void setLabel(const QString& text);
    void turnButtonRed();

    // The editor's text, line breaks as plain line feeds.
    QString editorText() const;
    // The editor differs from the script last loaded into it or last stored from it.
    bool hasUnsavedEdits() const;
    QString keepQuestion();
    // Stores the editor into CurType; false, storing nothing, when the project file could
    // not hold the script.
    bool storeScript();
    // Asks whether to keep the unsaved edits; false when the user kept them but they could
    // not be stored, so they must stay in the editor.
    bool settleBeforeLeaving();

    std::int32_t CurType = 0;
    // What was loaded into the editor or last stored from it: storing an unchanged editor
    // gives back exactly these bytes.
    std::string m_shownBytes;
    QString m_shownText;
    // Set while the window itself clears the editor or refills the list, so that those
    // changes are not taken for the user's.
    bool m_clearingEditor = false;
    bool m_fillingList = false;
    bool m_buttonRed = false;

    QListWidget* m_lstTypes = nullptr;
    QPushButton* m_Command1 = nullptr;
    QLabel* m_Label1 = nullptr;
    ScriptEditor* m_txtAI = nullptr;
    QPushButton* m_cmdCheck = nullptr;
    QLabel* m_lblCheck = nullptr;    // what the last Check found
    QLabel* m_lblPosition = nullptr; // the cursor's line and column
};

} // namespace kestrelon::ui
