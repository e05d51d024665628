// The Qt dialogs behind every message, question, input box and file choice of the windowed
// programs. Texts are shown as plain text: a figure name is never read as markup.
#include "ui/dialogs/QtDialogs.h"

#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>

namespace kestrelon::ui {
namespace {

const QString AllFilesFilter = QStringLiteral("All files (*)");

std::string toPath(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

QString fromPath(const std::string& path)
{
    return QFile::decodeName(QByteArray::fromStdString(path));
}

void placeInitialFile(QFileDialog& dialog, const std::string& fileName)
{
    if (fileName.empty())
        return;
    const QFileInfo last(fromPath(fileName));
    if (last.isDir()) {
        dialog.setDirectory(last.absoluteFilePath());
        return;
    }
    dialog.setDirectory(last.absolutePath());
    dialog.selectFile(last.fileName());
}

} // namespace

QtDialogs::QtDialogs(QWidget* parent, QString title) : m_parent(parent), m_title(std::move(title)) {}

void QtDialogs::message(const std::string& text)
{
    QMessageBox box(QMessageBox::NoIcon, m_title, toQString(text), QMessageBox::Ok, m_parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

bool QtDialogs::messageOfferingSilence(const std::string& text, const std::string& silenceLabel)
{
    QMessageBox box(QMessageBox::NoIcon, m_title, toQString(text), QMessageBox::Ok, m_parent);
    box.setTextFormat(Qt::PlainText);
    auto* silence = new QCheckBox(toQString(silenceLabel), &box);
    box.setCheckBox(silence);
    box.exec();
    return silence->isChecked();
}

bool QtDialogs::question(const std::string& text)
{
    QMessageBox box(QMessageBox::Question, m_title, toQString(text), QMessageBox::Yes | QMessageBox::No, m_parent);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

std::optional<bool> QtDialogs::questionOrCancel(const std::string& text)
{
    QMessageBox box(QMessageBox::Question, m_title, toQString(text),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, m_parent);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::Cancel);
    const int answer = box.exec();
    if (answer == QMessageBox::Cancel)
        return std::nullopt;
    return answer == QMessageBox::Yes;
}

std::optional<std::string> QtDialogs::inputBox(const std::string& prompt)
{
    QInputDialog dialog(m_parent);
    dialog.setWindowTitle(m_title);
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setLabelText(toQString(prompt));
    dialog.setTextValue(QString());
    if (auto* label = dialog.findChild<QLabel*>())
        label->setTextFormat(Qt::PlainText);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return toFileBytes(dialog.textValue());
}

std::optional<std::string> QtDialogs::openFile(FileDialogState& state)
{
    return showFileDialog(state, QFileDialog::AcceptOpen);
}

std::optional<std::string> QtDialogs::saveFile(FileDialogState& state)
{
    return showFileDialog(state, QFileDialog::AcceptSave);
}

std::optional<std::string> QtDialogs::showFileDialog(FileDialogState& state, QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(m_parent, toQString(state.title));
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    QStringList filters;
    if (!state.filter.empty())
        filters << toQString(state.filter);
    filters << AllFilesFilter;
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(toQString(state.defaultExtension));
    placeInitialFile(dialog, state.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    state.fileName = toPath(dialog.selectedFiles().constFirst());
    return state.fileName;
}

} // namespace kestrelon::ui
