// Save and Load of the main window's File menu, with the messages a failed save or load gives.
#include "ui/windows/ProjectSession.h"

#include "model/ProjectFile.h"
#include "platform/FileError.h"

namespace kestrelon::ui {

ProjectSession::ProjectSession(QObject* parent) : QObject(parent) {}

void ProjectSession::noteEdit()
{
    emit edited();
    emit stateChanged();
}

void ProjectSession::prepareDialog()
{
    m_dialog.filter = ProjectFileFilter;
    m_dialog.defaultExtension = ProjectFileExtension;
}

bool ProjectSession::save(Dialogs& dialogs)
{
    prepareDialog();
    const auto path = dialogs.saveFile(m_dialog);
    if (!path)
        return false;
    try {
        SaveProject(m_project, *path);
    } catch (const FileError& error) {
        dialogs.message(std::string("The project could not be saved: ") + error.what());
        return false;
    }
    savedTo(*path);
    return true;
}

bool ProjectSession::load(Dialogs& dialogs)
{
    prepareDialog();
    const auto path = dialogs.openFile(m_dialog);
    return path && loadFile(*path, dialogs);
}

bool ProjectSession::loadFile(const std::string& path, Dialogs& dialogs)
{
    try {
        m_project = LoadProject(path);
    } catch (const FileError& error) {
        dialogs.message(std::string("The project could not be loaded: ") + error.what());
        return false;
    }
    m_saved = m_project;
    m_filePath = path;
    m_dialog.fileName = path;
    emit replaced();
    emit stateChanged();
    return true;
}

void ProjectSession::savedTo(const std::string& path)
{
    m_saved = m_project;
    m_filePath = path;
    emit stateChanged();
}

} // namespace kestrelon::ui
