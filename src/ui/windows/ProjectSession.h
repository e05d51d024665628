// The project the windows edit, shared by all of them: the unit types and the figure
// catalogue, the project dialog that Save, Load and Run share, the file it was last saved to
// or loaded from, and whether it has changed since.
#pragma once

#include "model/Project.h"
#include "platform/Dialogs.h"

#include <QObject>

#include <string>

namespace kestrelon::ui {

class ProjectSession : public QObject {
    Q_OBJECT

public:
    explicit ProjectSession(QObject* parent = nullptr);

    Project& project() { return m_project; }
    const Project& project() const { return m_project; }

    // Editors call this after they wrote into the project.
    void noteEdit();

    // True when the project differs from what was last saved or loaded (an empty project at
    // start): an edit undone by hand counts as no change.
    bool isModified() const { return !(m_project == m_saved); }
    // The file last saved to or loaded from; empty before the first.
    const std::string& filePath() const { return m_filePath; }

    // The dialog Save, Load and the run's project save share (filter, extension, last name).
    FileDialogState& projectDialog() { return m_dialog; }

    // Asks for a file and saves there; false when the dialog was cancelled or the save failed
    // (reported). Nothing in memory changes either way.
    bool save(Dialogs& dialogs);
    // Asks for a file and loads it; the project is replaced only when the whole file was read,
    // otherwise the failure is reported and the project stays as it was.
    bool load(Dialogs& dialogs);
    // Loads the file at path, as load does once a file was chosen (also the dialog's next name).
    bool loadFile(const std::string& path, Dialogs& dialogs);
    // The project was written to path by someone else (the run's own save).
    void savedTo(const std::string& path);

signals:
    // The project's content changed through an editor.
    void edited();
    // A load replaced the whole project: selections in the editors may point past its tables.
    void replaced();
    // The file name or the unsaved-changes state may have changed.
    void stateChanged();

private:
    void prepareDialog();

    Project m_project;
    Project m_saved;
    std::string m_filePath;
    FileDialogState m_dialog;
};

} // namespace kestrelon::ui
