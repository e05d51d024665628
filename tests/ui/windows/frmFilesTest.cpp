// The figure file loader driven as a user does: real An8 files read through the open dialog,
// figures and types chosen with the mouse and the keyboard, and the project checked after
// each button. The texts shown and the catalogue's order are compared exactly.
#include "support/ScriptedDialogs.h"
#include "ui/windows/frmFiles.h"
#include "ui/windows/WindowDriver.h"

#include <QDir>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QtTest>

#include <cerrno>
#include <cstring>
#include <memory>

using kestrelon::Project;
using kestrelon::testing::activate;
using kestrelon::testing::click;
using kestrelon::testing::clickRow;
using kestrelon::testing::control;
using kestrelon::testing::rows;
using kestrelon::testing::ScriptedDialogs;
using kestrelon::ui::frmFiles;
using kestrelon::ui::ProjectSession;

namespace {

const QString Marked = QStringLiteral(" <-- uses this figure");

std::string examples(const char* name)
{
    return std::string(KESTRELON_EXAMPLES "/") + name;
}

std::string testData(const char* name)
{
    return std::string(KESTRELON_TEST_DATA "/") + name;
}

// Also keeps what the open dialog was shown with: its filter and the name it proposed.
struct RecordingDialogs : ScriptedDialogs {
    std::vector<std::string> filters;
    std::vector<std::string> proposed;

    std::optional<std::string> openFile(kestrelon::FileDialogState& state) override
    {
        filters.push_back(state.filter);
        proposed.push_back(state.fileName);
        return ScriptedDialogs::openFile(state);
    }
};

// Types whose figures are spelled like the catalogue of files-names.an8, case aside.
void addKnightTypes(Project& project)
{
    const std::pair<const char*, const char*> types[] = {
        {"Lancer", "knight"}, {"Squire", "Knight"}, {"Peasant", ""}, {"Page", "knight"}};
    for (const auto& [name, figure] : types)
        project.UnitTypes[project.addType(name)].Figure = figure;
}

} // namespace

class frmFilesTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void controlsCarryTheirNamesAndCaptions();
    void openFileAppendsTheCatalogue_data();
    void openFileAppendsTheCatalogue();
    void openFileCancelledChangesNothing();
    void unreadableFileIsReportedAndAddsNothing_data();
    void unreadableFileIsReportedAndAddsNothing();
    void fileWithoutFiguresAddsNothing();
    void figureClickListsSequencesAndMarksUsers_data();
    void figureClickListsSequencesAndMarksUsers();
    void setFigureGivesTheChosenTypeTheChosenFigure_data();
    void setFigureGivesTheChosenTypeTheChosenFigure();
    void typeChosenWithTheKeyboard();
    void setWithoutFigureClearsTheTypesFigure();
    void setWithoutTypeChangesNoType();
    void activationRefillsKeepingTheChoice();
    void clickOnTheChosenFigureMarksItsUsersAgain();
    void hideMeKeepsTheChoice();
    void loadForgetsTheChoice();

private:
    void openFigureFile(const std::string& path);
    QListWidget* list(const char* name) { return control<QListWidget>(m_window.get(), QLatin1String(name)); }
    QPushButton* button(const char* name) { return control<QPushButton>(m_window.get(), QLatin1String(name)); }
    Project& project() { return m_session->project(); }

    std::unique_ptr<ProjectSession> m_session;
    std::unique_ptr<RecordingDialogs> m_dialogs;
    std::unique_ptr<frmFiles> m_window;
};

void frmFilesTest::init()
{
    m_session = std::make_unique<ProjectSession>();
    m_dialogs = std::make_unique<RecordingDialogs>();
    m_window = std::make_unique<frmFiles>(*m_session, *m_dialogs);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void frmFilesTest::cleanup()
{
    m_window.reset();
    m_dialogs.reset();
    m_session.reset();
}

void frmFilesTest::openFigureFile(const std::string& path)
{
    m_dialogs->files.push_back(path);
    click(button("Command2"));
}

void frmFilesTest::controlsCarryTheirNamesAndCaptions()
{
    QCOMPARE(m_window->objectName(), QStringLiteral("frmFiles"));
    QCOMPARE(m_window->windowTitle(), QStringLiteral("File Loader"));
    const std::pair<const char*, const char*> lists[] = {
        {"lstFigs", "Figures"}, {"lstSeqs", "Sequences"}, {"lstTypes", "Unit Types"}};
    for (const auto& [name, purpose] : lists) {
        QVERIFY2(list(name), name);
        QCOMPARE(list(name)->accessibleName(), QLatin1String(purpose));
        QVERIFY(list(name)->isVisible());
    }
    const std::pair<const char*, const char*> buttons[] = {
        {"Command1", "Set Figure = Type"}, {"Command2", "Open File"}, {"Command3", "Hide Me"}};
    for (const auto& [name, caption] : buttons) {
        QVERIFY2(button(name), name);
        QCOMPARE(button(name)->text(), QLatin1String(caption));
    }
    QVERIFY(m_window->frameGeometry().width() <= 1366 && m_window->frameGeometry().height() <= 768);
    // The set button stands under the types it acts on.
    QVERIFY(button("Command1")->geometry().top() >= list("lstTypes")->geometry().bottom());
}

void frmFilesTest::openFileAppendsTheCatalogue_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QStringList>("figures");
    QTest::addColumn<int>("sequences");

    const QString example = QString::fromStdString(examples("figures.an8"));
    const QString rules = QString::fromStdString(testData("an8-rules.an8"));
    const QStringList figures{"knight", "archer", "orc", "troll"};
    QTest::newRow("example") << QStringList{example} << figures << 5;
    QTest::newRow("same file twice lists every name twice") << QStringList{example, example} << figures + figures << 10;
    QTest::newRow("second file after the first")
        << QStringList{rules, example} << QStringList{"soldier", "captain\" \"with a note"} + figures << 7;
}

void frmFilesTest::openFileAppendsTheCatalogue()
{
    QFETCH(QStringList, files);
    QFETCH(QStringList, figures);
    QFETCH(int, sequences);
    addKnightTypes(project());

    for (const QString& file : files)
        openFigureFile(file.toStdString());

    QCOMPARE(rows(list("lstFigs")), figures);
    QCOMPARE(project().NumFigures(), figures.size());
    QCOMPARE(project().NumSequences(), sequences);
    QCOMPARE(rows(list("lstTypes")), (QStringList{"Lancer", "Squire", "Peasant", "Page"}));
    QVERIFY(rows(list("lstSeqs")).isEmpty());
    QCOMPARE(m_dialogs->shown, std::vector<std::string>(files.size(), "open"));
    QVERIFY(m_session->isModified());
    // One dialog of the window: it filters An8 files and proposes the file read last.
    QCOMPARE(m_dialogs->filters, std::vector<std::string>(files.size(), "An8 files (*.an8)"));
    QCOMPARE(m_dialogs->proposed.front(), std::string());
    for (qsizetype i = 1; i < files.size(); ++i)
        QCOMPARE(m_dialogs->proposed[i], files[i - 1].toStdString());
}

void frmFilesTest::openFileCancelledChangesNothing()
{
    openFigureFile(examples("figures.an8"));
    m_session->savedTo("battle.kst");
    const Project before = project();

    m_dialogs->files.push_back(std::nullopt);
    click(button("Command2"));

    QCOMPARE(m_dialogs->shown, (std::vector<std::string>{"open", "open"}));
    QVERIFY(project() == before);
    QVERIFY(!m_session->isModified());
    QCOMPARE(m_dialogs->proposed.back(), examples("figures.an8"));
}

void frmFilesTest::unreadableFileIsReportedAndAddsNothing_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("cause");
    const QString missing = QDir::tempPath() + QStringLiteral("/kestrelon-no-such-figures.an8");
    QTest::newRow("missing file") << missing
                                  << QStringLiteral("cannot open the file (%1)").arg(QString::fromLocal8Bit(std::strerror(ENOENT)));
    QTest::newRow("folder") << QStringLiteral(KESTRELON_TEST_DATA) << QStringLiteral("is a folder, not a file");
}

void frmFilesTest::unreadableFileIsReportedAndAddsNothing()
{
    QFETCH(QString, path);
    QFETCH(QString, cause);
    openFigureFile(examples("figures.an8"));
    m_session->savedTo("battle.kst");
    const Project before = project();

    openFigureFile(path.toStdString());

    QCOMPARE(m_dialogs->messages(),
             std::vector<std::string>{("The figure file could not be read: " + path + ": " + cause).toStdString()});
    QVERIFY(project() == before);
    QCOMPARE(rows(list("lstFigs")), (QStringList{"knight", "archer", "orc", "troll"}));
    QVERIFY(!m_session->isModified());
}

void frmFilesTest::fileWithoutFiguresAddsNothing()
{
    openFigureFile(testData("an8-empty.an8"));

    QCOMPARE(project().NumFigures(), 0);
    QCOMPARE(list("lstFigs")->count(), 0);
    QVERIFY(m_dialogs->messages().empty());
    QVERIFY(!m_session->isModified());
}

// The file is read twice: whichever copy of a name is clicked, the sequences of both copies
// are listed, as names are compared, not places.
void frmFilesTest::figureClickListsSequencesAndMarksUsers_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QStringList>("sequences");
    QTest::addColumn<QStringList>("types");

    QTest::newRow("names are compared with their case")
        << 1 << QStringList{"salute", "charge", "salute", "charge"}
        << QStringList{"Lancer" + Marked, "Squire", "Peasant", "Page" + Marked};
    QTest::newRow("capital name") << 0 << QStringList{"bow", "bow"}
                                  << QStringList{"Lancer", "Squire" + Marked, "Peasant", "Page"};
    QTest::newRow("a nameless figure has no sequences and no users")
        << 2 << QStringList{} << QStringList{"Lancer", "Squire", "Peasant", "Page"};
    QTest::newRow("the second copy of a name") << 4 << QStringList{"salute", "charge", "salute", "charge"}
        << QStringList{"Lancer" + Marked, "Squire", "Peasant", "Page" + Marked};
}

void frmFilesTest::figureClickListsSequencesAndMarksUsers()
{
    QFETCH(int, row);
    QFETCH(QStringList, sequences);
    QFETCH(QStringList, types);
    addKnightTypes(project());
    openFigureFile(testData("ui/files-names.an8"));
    openFigureFile(testData("ui/files-names.an8"));
    m_session->savedTo("knights.kst");

    clickRow(list("lstFigs"), row);

    QCOMPARE(rows(list("lstSeqs")), sequences);
    QCOMPARE(rows(list("lstTypes")), types);
    QVERIFY(!m_session->isModified());
    QVERIFY(m_dialogs->messages().empty());
}

void frmFilesTest::setFigureGivesTheChosenTypeTheChosenFigure_data()
{
    QTest::addColumn<int>("figureRow");
    QTest::addColumn<int>("typeRow");
    QTest::addColumn<QStringList>("typesAfter");

    QTest::newRow("second copy of a name keeps its own place") << 4 << 2 << QStringList{"Lancer" + Marked, "Squire", "Peasant" + Marked, "Page" + Marked};
    QTest::newRow("first figure to the first type") << 0 << 0 << QStringList{"Lancer" + Marked, "Squire" + Marked, "Peasant", "Page"};
    QTest::newRow("nameless figure") << 2 << 3 << QStringList{"Lancer", "Squire", "Peasant", "Page"};
}

void frmFilesTest::setFigureGivesTheChosenTypeTheChosenFigure()
{
    QFETCH(int, figureRow);
    QFETCH(int, typeRow);
    QFETCH(QStringList, typesAfter);
    addKnightTypes(project());
    openFigureFile(testData("ui/files-names.an8"));
    openFigureFile(testData("ui/files-names.an8"));
    m_session->savedTo("knights.kst");
    Project expected = project();
    expected.UnitTypes[typeRow + 1].Figure = expected.FigureNames[figureRow + 1];
    expected.UnitTypes[typeRow + 1].FigureIndex = figureRow + 1;

    clickRow(list("lstFigs"), figureRow);
    clickRow(list("lstTypes"), typeRow);
    click(button("Command1"));

    QVERIFY(project() == expected);
    QCOMPARE(rows(list("lstTypes")), typesAfter);
    QCOMPARE(list("lstTypes")->currentRow(), typeRow);
    QCOMPARE(list("lstFigs")->currentRow(), figureRow);
    QVERIFY(m_session->isModified());
    QVERIFY(m_dialogs->messages().empty());
}

void frmFilesTest::typeChosenWithTheKeyboard()
{
    addKnightTypes(project());
    openFigureFile(examples("figures.an8"));
    clickRow(list("lstFigs"), 1);
    clickRow(list("lstTypes"), 0);

    QTest::keyClick(list("lstTypes"), Qt::Key_Down);
    QTest::keyClick(list("lstTypes"), Qt::Key_Down);
    click(button("Command1"));

    QCOMPARE(project().UnitTypes[3].Figure, std::string("archer"));
    QCOMPARE(project().UnitTypes[3].FigureIndex, 2);
    QCOMPARE(project().UnitTypes[1].Figure, std::string("knight"));
}

void frmFilesTest::setWithoutFigureClearsTheTypesFigure()
{
    addKnightTypes(project());
    project().UnitTypes[1].FigureIndex = 2;
    m_session->savedTo("knights.kst");
    activate(m_window.get());

    clickRow(list("lstTypes"), 0);
    click(button("Command1"));

    QCOMPARE(project().UnitTypes[1].Figure, std::string());
    QCOMPARE(project().UnitTypes[1].FigureIndex, 0);
    QCOMPARE(project().UnitTypes[2].Figure, std::string("Knight"));
    QCOMPARE(rows(list("lstTypes")), (QStringList{"Lancer", "Squire", "Peasant", "Page"}));
    QVERIFY(m_session->isModified());
}

void frmFilesTest::setWithoutTypeChangesNoType()
{
    addKnightTypes(project());
    openFigureFile(testData("ui/files-names.an8"));
    m_session->savedTo("knights.kst");
    const Project before = project();

    clickRow(list("lstFigs"), 0);
    click(button("Command1"));

    QVERIFY(project() == before);
    QVERIFY(!m_session->isModified());
    QCOMPARE(rows(list("lstTypes")), (QStringList{"Lancer", "Squire" + Marked, "Peasant", "Page"}));
    QCOMPARE(list("lstTypes")->currentRow(), -1);
}

// Another window added a type and a figure while the loader was in the background; then
// another file is read. The figure and the type chosen stay chosen throughout.
void frmFilesTest::activationRefillsKeepingTheChoice()
{
    addKnightTypes(project());
    openFigureFile(examples("figures.an8"));
    clickRow(list("lstFigs"), 2);
    clickRow(list("lstTypes"), 1);
    project().addType("Ogre");
    project().addFigure("ogre");

    activate(m_window.get());

    QCOMPARE(rows(list("lstFigs")), (QStringList{"knight", "archer", "orc", "troll", "ogre"}));
    QCOMPARE(rows(list("lstTypes")), (QStringList{"Lancer", "Squire", "Peasant", "Page", "Ogre"}));
    QCOMPARE(rows(list("lstSeqs")), QStringList{"chop"});
    QCOMPARE(list("lstFigs")->currentRow(), 2);
    QCOMPARE(list("lstTypes")->currentRow(), 1);
    openFigureFile(testData("ui/files-names.an8"));
    QCOMPARE(list("lstFigs")->count(), 8);
    QCOMPARE(list("lstFigs")->currentRow(), 2);
    QCOMPARE(list("lstTypes")->currentRow(), 1);

    clickRow(list("lstTypes"), 4);
    click(button("Command1"));
    QCOMPARE(project().UnitTypes[5].Figure, std::string("orc"));
    QCOMPARE(project().UnitTypes[5].FigureIndex, 3);
    QCOMPARE(project().UnitTypes[2].Figure, std::string("Knight"));
}

void frmFilesTest::clickOnTheChosenFigureMarksItsUsersAgain()
{
    addKnightTypes(project());
    openFigureFile(testData("ui/files-names.an8"));
    clickRow(list("lstFigs"), 1);
    project().Sequences[1].FigureName = "Knight";
    activate(m_window.get());
    QCOMPARE(rows(list("lstSeqs")), (QStringList{"salute", "charge"}));
    QCOMPARE(rows(list("lstTypes")), (QStringList{"Lancer", "Squire", "Peasant", "Page"}));

    clickRow(list("lstFigs"), 1);

    QCOMPARE(rows(list("lstSeqs")), QStringList{"charge"});
    QCOMPARE(rows(list("lstTypes")), (QStringList{"Lancer" + Marked, "Squire", "Peasant", "Page" + Marked}));
}

void frmFilesTest::hideMeKeepsTheChoice()
{
    addKnightTypes(project());
    openFigureFile(examples("figures.an8"));
    clickRow(list("lstFigs"), 3);
    clickRow(list("lstTypes"), 2);

    click(button("Command3"));
    QVERIFY(!m_window->isVisible());
    m_window->showEditor();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    click(button("Command1"));

    QCOMPARE(project().UnitTypes[3].Figure, std::string("troll"));
    QCOMPARE(project().UnitTypes[3].FigureIndex, 4);
}

// The loaded project has fewer figures and types than the choice pointed at.
void frmFilesTest::loadForgetsTheChoice()
{
    for (int i = 1; i <= 6; ++i)
        project().addType("Type " + std::to_string(i));
    openFigureFile(examples("figures.an8"));
    openFigureFile(examples("figures.an8"));
    clickRow(list("lstFigs"), 7);
    clickRow(list("lstTypes"), 5);

    m_dialogs->files.push_back(examples("battle.kst"));
    QVERIFY(m_session->load(*m_dialogs));
    const Project loaded = project();

    QCOMPARE(rows(list("lstFigs")), (QStringList{"knight", "archer", "orc", "troll"}));
    QCOMPARE(rows(list("lstTypes")), (QStringList{"Swordsman", "Archer", "Orc", "Troll"}));
    QVERIFY(rows(list("lstSeqs")).isEmpty());
    QCOMPARE(list("lstFigs")->currentRow(), -1);
    QCOMPARE(list("lstTypes")->currentRow(), -1);
    click(button("Command1"));
    QVERIFY(project() == loaded);
}

QTEST_MAIN(frmFilesTest)
#include "frmFilesTest.moc"
