// The figure file loader's controls and handlers. The lists are rebuilt from the project on
// each activation and click, so they follow what other windows changed; the figure and the
// type the user chose stay highlighted through every rebuild.
#include "ui/windows/frmFiles.h"

#include "an8/FigureReader.h"
#include "platform/FileError.h"
#include "ui/dialogs/FileText.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

namespace kestrelon::ui {
namespace {

const QString UsesThisFigure = QStringLiteral(" <-- uses this figure");

// Names are compared exactly, case included. An empty name is no figure at all: a sequence
// that names no figure, or a type without one, never belongs to the figure shown.
bool sameFigure(const std::string& name, const std::string& figure)
{
    return !figure.empty() && name == figure;
}

QListWidget* createList(QWidget* parent, const QString& name, const QString& purpose, const QString& tip)
{
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    list->setAccessibleName(purpose);
    list->setToolTip(tip);
    return list;
}

QPushButton* createButton(QWidget* parent, const QString& name, const QString& caption, const QString& tip)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setToolTip(tip);
    return button;
}

} // namespace

frmFiles::frmFiles(ProjectSession& session, Dialogs& dialogs)
    : EditorWindow(session, dialogs, QStringLiteral("frmFiles"), QStringLiteral("File Loader"), QStringLiteral("File Loader"))
{
    CD.filter = "An8 files (*.an8)";
    createLists();
    createButtons();
    createLayout();
    resize(640, 420);
}

void frmFiles::createLists()
{
    lstFigs = createList(this, QStringLiteral("lstFigs"), QStringLiteral("Figures"),
                         tr("The figures read from An8 files; choose one to see its sequences and the types using it"));
    lstSeqs = createList(this, QStringLiteral("lstSeqs"), QStringLiteral("Sequences"),
                         tr("The named sequences that animate the chosen figure"));
    lstTypes = createList(this, QStringLiteral("lstTypes"), QStringLiteral("Unit Types"),
                          tr("The unit types; the types using the chosen figure are marked. "
                             "Choose the type that Set Figure = Type gives the figure to"));
    connect(lstFigs, &QListWidget::currentRowChanged, this, &frmFiles::figureClicked);
    connect(lstFigs, &QListWidget::itemClicked, this, &frmFiles::figureClickedAgain);
    connect(lstTypes, &QListWidget::currentRowChanged, this, &frmFiles::typeClicked);
}

void frmFiles::createButtons()
{
    Command1 = createButton(this, QStringLiteral("Command1"), QStringLiteral("Set Figure = Type"),
                            tr("Gives the chosen unit type the chosen figure (no figure while none is chosen)"));
    Command2 = createButton(this, QStringLiteral("Command2"), QStringLiteral("Open File"),
                            tr("Adds the figures and sequences of an An8 file to the project"));
    Command3 = createButton(this, QStringLiteral("Command3"), QStringLiteral("Hide Me"),
                            tr("Hides this window; the Files menu item shows it again"));
    connect(Command1, &QPushButton::clicked, this, &frmFiles::setFigureClicked);
    connect(Command2, &QPushButton::clicked, this, &frmFiles::openFileClicked);
    connect(Command3, &QPushButton::clicked, this, &frmFiles::hideMeClicked);
}

// Figures, sequences and types side by side; "Set Figure = Type" under the types it acts on.
void frmFiles::createLayout()
{
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Command2);
    buttons->addStretch();
    buttons->addWidget(Command3);

    auto* grid = new QGridLayout(this);
    grid->addWidget(lstFigs, 0, 0);
    grid->addWidget(lstSeqs, 0, 1);
    grid->addWidget(lstTypes, 0, 2);
    grid->addWidget(Command1, 1, 2);
    grid->addLayout(buttons, 2, 0, 1, 3);
    grid->setRowStretch(0, 1);
}

const std::string* frmFiles::chosenFigure()
{
    return CurFigure > 0 ? &project().FigureNames[CurFigure] : nullptr;
}

void frmFiles::fillFigures()
{
    const QSignalBlocker refilling(lstFigs);
    lstFigs->clear();
    for (const std::string& name : project().FigureNames)
        lstFigs->addItem(toQString(name));
    if (CurFigure > 0)
        lstFigs->setCurrentRow(CurFigure - 1);
}

void frmFiles::fillSequences(const std::string& figure)
{
    lstSeqs->clear();
    for (const SequenceInfo& sequence : project().Sequences)
        if (sameFigure(sequence.FigureName, figure))
            lstSeqs->addItem(toQString(sequence.SequenceName));
}

void frmFiles::fillTypes(const std::string* figure)
{
    const QSignalBlocker refilling(lstTypes);
    lstTypes->clear();
    const Project& current = project();
    for (std::int32_t i = 1; i <= current.NumTypes(); ++i) {
        QString text = toQString(current.TypeNames[i]);
        if (figure && sameFigure(current.UnitTypes[i].Figure, *figure))
            text += UsesThisFigure;
        lstTypes->addItem(text);
    }
    if (CurType > 0)
        lstTypes->setCurrentRow(CurType - 1);
}

void frmFiles::activated()
{
    fillFigures();
    fillTypes(nullptr);
}

void frmFiles::projectReplaced()
{
    CurType = 0;
    CurFigure = 0;
    lstSeqs->clear();
    fillFigures();
    fillTypes(nullptr);
}

// The row is the figure's place in the catalogue, which tells apart figures of one name.
void frmFiles::figureClicked(int row)
{
    if (row < 0)
        return;
    CurFigure = row + 1;
    const std::string& figure = project().FigureNames[CurFigure];
    fillSequences(figure);
    fillTypes(&figure);
}

// A click on the figure already chosen shows its sequences and users again, as an activation
// or a read file leaves the types unmarked. A click that chose another figure was shown by
// figureClicked already; showing it once more changes nothing.
void frmFiles::figureClickedAgain(QListWidgetItem* item)
{
    figureClicked(lstFigs->row(item));
}

void frmFiles::typeClicked(int row)
{
    if (row >= 0)
        CurType = row + 1;
}

void frmFiles::setFigureClicked()
{
    if (CurType > 0) {
        UnitType& type = project().UnitTypes[CurType];
        const std::string figure = CurFigure > 0 ? project().FigureNames[CurFigure] : std::string();
        if (type.Figure != figure || type.FigureIndex != CurFigure) {
            type.Figure = figure;
            type.FigureIndex = CurFigure;
            session().noteEdit();
        }
    }
    fillTypes(chosenFigure());
}

void frmFiles::openFileClicked()
{
    const auto path = dialogs().openFile(CD);
    if (!path)
        return;
    const std::int32_t figuresBefore = project().NumFigures();
    const std::int32_t sequencesBefore = project().NumSequences();
    try {
        an8::readFigureFile(*path, project());
    } catch (const FileError& error) {
        dialogs().message(std::string("The figure file could not be read: ") + error.what());
        return;
    }
    fillFigures();
    fillTypes(nullptr);
    if (project().NumFigures() != figuresBefore || project().NumSequences() != sequencesBefore)
        session().noteEdit();
}

void frmFiles::hideMeClicked()
{
    hide();
}

} // namespace kestrelon::ui
