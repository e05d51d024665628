// The main window, the hub of the program: the File menu saves and loads the project, the
// Setup menu opens the five editors, the boxes show the frame count and the army sizes, and
// the Run button turns the project into a scene whose text then fills the output box.
#pragma once

#include "platform/Dialogs.h"
#include "ui/windows/ProjectSession.h"

#include <QMainWindow>

#include "sim/BattleRun.h"

#include <array>
#include <cstddef>
#include <memory>
#include <optional>

class QAction;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;


namespace kestrelon::ui {

class EditorWindow;
class frmAI;
class frmArmies;
class frmFiles;
class frmPos;
class frmPreview;
class frmTypes;

class frmMainMenu : public QMainWindow {
    Q_OBJECT

public:
    explicit frmMainMenu(Dialogs& dialogs, QWidget* parent = nullptr);
    ~frmMainMenu() override;

    ProjectSession& session() { return m_session; }
    // The editor of that kind, once the Setup menu created it; nullptr before.
    EditorWindow* editor(const QString& objectName) const;

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createMenus();
    void createFileMenu();
    void createSetupMenu();
    void createControls();
    QAction* addItem(QMenu* menu, const char* name, const QString& caption);

    void saveProject();
    void loadProject();
    void runBattle();
    void showTypes();
    void showArmies();
    void showFiles();
    void showAI();
    void showPos();
    void showPreview();
    void showFailureInEditor();

    std::array<EditorWindow*, 5> editors() const; // those created so far; nullptr for the others
    void showArmyTotals();
    void showOutput(const std::string& text, std::size_t wholeSize);
    void reportScene(const sim::BattleRun& run);
    void keepRecording(sim::BattleRun& run);
    void updateTitle();
    bool settleEditors();
    bool offerToSaveChanges(const char* beforeWhat);
    template <typename Editor>
    void showEditorWindow(std::unique_ptr<Editor>& slot);

    Dialogs& m_dialogs;
    ProjectSession m_session;
    bool m_running = false;

    QLineEdit* txtFrames = nullptr;
    QLineEdit* ArmyNum[3] = {}; // elements 1 and 2, as the window's box array numbers them
    QPushButton* Command1 = nullptr;
    QPushButton* cmdPreview = nullptr; // enabled once a run has completed its frames
    QPushButton* cmdShowInEditor = nullptr; // shown after a run that a script's error ended
    QPlainTextEdit* txtDump = nullptr;

    std::unique_ptr<frmTypes> m_types;
    std::unique_ptr<frmArmies> m_armies;
    std::unique_ptr<frmFiles> m_files;
    std::unique_ptr<frmAI> m_ai;
    std::unique_ptr<frmPos> m_pos;
    std::unique_ptr<frmPreview> m_preview;
    std::shared_ptr<const sim::BattleRecording> m_recording; // of the last run that completed its frames
    std::shared_ptr<const sim::RunReplay> m_replay;          // what runs that battle again for a trace
    std::optional<sim::UnitFailure> m_failure;               // of the last run, if a script ended it
};

} // namespace kestrelon::ui
