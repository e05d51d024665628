// Dialogs shown with Qt: message boxes and input boxes under the program's title, and file
// dialogs that keep their settings and last file name in a FileDialogState, as one dialog
// control of a window does from one use to the next.
#pragma once

#include "platform/Dialogs.h"
#include "ui/dialogs/FileText.h"

#include <QFileDialog>
#include <QString>

class QWidget;

namespace kestrelon::ui {

class QtDialogs : public Dialogs {
public:
    // parent: the window the boxes belong to (nullptr: centred on the screen); title: the
    // program's title, on every message box, question and input box.
    QtDialogs(QWidget* parent, QString title);

    void message(const std::string& text) override;
    bool messageOfferingSilence(const std::string& text, const std::string& silenceLabel) override;
    bool question(const std::string& text) override;
    std::optional<bool> questionOrCancel(const std::string& text) override;
    std::optional<std::string> inputBox(const std::string& prompt) override;
    // The filter is offered beside "All files (*)"; the default extension is added to a typed
    // name without one; a state whose fileName is a folder opens there with no name proposed.
    // The save dialog asks before it replaces an existing file.
    std::optional<std::string> openFile(FileDialogState& state) override;
    std::optional<std::string> saveFile(FileDialogState& state) override;

private:
    std::optional<std::string> showFileDialog(FileDialogState& state, QFileDialog::AcceptMode mode);

    QWidget* m_parent;
    QString m_title;
};

} // namespace kestrelon::ui
