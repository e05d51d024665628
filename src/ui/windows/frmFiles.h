// The figure file loader: fills the project's catalogue of figures and named sequences from
// An8 files, shows which sequences belong to a figure and which unit types use it, and gives
// a unit type one of the catalogue's figures.
#pragma once

#include "ui/windows/EditorWindow.h"

#include <cstdint>
#include <string>

class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace kestrelon::ui {

class frmFiles : public EditorWindow {
    Q_OBJECT

public:
    frmFiles(ProjectSession& session, Dialogs& dialogs);

protected:
    void activated() override;
    void projectReplaced() override;

private slots:
    void figureClicked(int row);
    void figureClickedAgain(QListWidgetItem* item);
    void typeClicked(int row);
    void setFigureClicked();
    void openFileClicked();
    void hideMeClicked();

private:
    void createLists();
    void createButtons();
    void createLayout();

    // The figure the user chose last, or nullptr while none is chosen.
    const std::string* chosenFigure();
    void fillFigures();
    void fillSequences(const std::string& figure);
    // The unit types, those using figure marked; nullptr marks none.
    void fillTypes(const std::string* figure);

    // The type and the catalogue figure that "Set Figure = Type" joins; 0 while none is chosen.
    std::int32_t CurType = 0;
    std::int32_t CurFigure = 0;
    FileDialogState CD;

    QListWidget* lstFigs = nullptr;
    QListWidget* lstSeqs = nullptr;
    QListWidget* lstTypes = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
};

} // namespace kestrelon::ui
