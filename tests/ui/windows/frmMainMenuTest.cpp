// The main window with scripted dialogs: its names and texts, the army totals at every
// activation, one instance of each editor, the title's file name and unsaved mark, Save and
// Load with their failures, Exit with unsaved work, and Run with its progress box and Cancel.
#include "an8/SceneText.h"
#include "model/ProjectFile.h"
#include "support/ScriptedDialogs.h"
#include "ui/windows/EditorWindow.h"
#include "ui/windows/frmMainMenu.h"
#include "ui/windows/ScriptEditor.h"
#include "ui/windows/frmAI.h"
#include "ui/windows/PreviewCanvas.h"
#include "ui/windows/frmPreview.h"
#include "windows/WindowDriver.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QSlider>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <fstream>

using kestrelon::Project;
using kestrelon::testing::ScriptedDialogs;
using kestrelon::ui::frmMainMenu;
using namespace kestrelon::testing;

namespace {

std::string bytesOf(const QString& path)
{
    std::ifstream in(path.toStdString(), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

QAction* item(QWidget* window, const char* name)
{
    return window->findChild<QAction*>(QLatin1String(name));
}

QList<kestrelon::ui::frmPreview*> previewWindows()
{
    QList<kestrelon::ui::frmPreview*> found;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* preview = qobject_cast<kestrelon::ui::frmPreview*>(window))
            found << preview;
    }
    return found;
}

} // namespace

class frmMainMenuTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void menusAndControlsCarryTheirNamesAndCaptions_data();
    void menusAndControlsCarryTheirNamesAndCaptions();
    void boxesStartWithTheirTextsAndLabelsNameThem();
    void armyTotalsAreRecomputedAtEveryActivation_data();
    void armyTotalsAreRecomputedAtEveryActivation();
    void eachEditorExistsOnceWithoutAnOwner_data();
    void eachEditorExistsOnceWithoutAnOwner();
    void titleShowsTheFileAndUnsavedChanges();
    void aProjectThatCannotBeLoadedLeavesTheProjectAlone();
    void loadingOffersToSaveUnsavedChangesFirst();
    void exitAsksAboutUnsavedChanges_data();
    void exitAsksAboutUnsavedChanges();
    void exitClosesTheEditors();
    void unsavedScriptEditsAreKeptBeforeExitOrStopIt();
    void runWritesTheSceneAndShowsTheOutput();
    void aBigOutputShowsItsStartAndTheWholeSize();
    void cancelStopsTheRunAndWritesNothing();
    void previewOpensOnceARunHasCompletedItsFrames();
    void aProjectNamedAtStartIsOpenedOrReported();
    void aRunEndedByAScriptOffersToShowItInTheEditor();

private:
    QString path(const char* name) const { return m_dir->filePath(QLatin1String(name)); }
    void addType(const char* name, double units, int team, const char* code = "Sub Main\r\nEnd Sub");

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    std::unique_ptr<frmMainMenu> m_window;
};

void frmMainMenuTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_dialogs = std::make_unique<ScriptedDialogs>();
    m_window = std::make_unique<frmMainMenu>(*m_dialogs);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void frmMainMenuTest::cleanup()
{
    m_dialogs->choices.push_back(false); // leave without saving
    m_window.reset();
}

void frmMainMenuTest::addType(const char* name, double units, int team, const char* code)
{
    Project& project = m_window->session().project();
    const std::int32_t t = project.addType(name);
    project.UnitTypes[t].Proportion = units;
    project.UnitTypes[t].Team = team;
    project.UnitTypes[t].Maxlife = 10;
    project.UnitTypes[t].Figure = name;
    project.UnitTypes[t].Code = code;
    m_window->session().noteEdit();
}

void frmMainMenuTest::menusAndControlsCarryTheirNamesAndCaptions_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::newRow("File") << "cmdFile" << "File";
    QTest::newRow("Save") << "cmdSave" << "Save";
    QTest::newRow("Load") << "cmdLoad" << "Load";
    QTest::newRow("Exit") << "cmdExit" << "Exit";
    QTest::newRow("Setup") << "cmdSetup" << "Setup";
    QTest::newRow("Types") << "cmdTypes" << "Types";
    QTest::newRow("Armies") << "cmdArmies" << "Armies";
    QTest::newRow("Files") << "cmdFiles" << "Files";
    QTest::newRow("AI") << "cmdAI" << "AI";
    QTest::newRow("Positioning") << "cmdPos" << "Positioning";
    QTest::newRow("Run") << "Command1" << "Run";
    QTest::newRow("Preview") << "cmdPreview" << "Preview";
    QTest::newRow("Frames label") << "Label1" << "Frames:";
    QTest::newRow("Army 1 label") << "Label2" << "Units (Army 1)";
    QTest::newRow("Army 2 label") << "Label3" << "Units (Army 2)";
}

void frmMainMenuTest::menusAndControlsCarryTheirNamesAndCaptions()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QCOMPARE(m_window->objectName(), QStringLiteral("frmMainMenu"));
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Kestrelon!"));
    QObject* found = m_window->findChild<QObject*>(name);
    QVERIFY2(found, qPrintable(name));
    if (auto* menu = qobject_cast<QMenu*>(found))
        QCOMPARE(menu->title(), caption);
    else if (auto* action = qobject_cast<QAction*>(found))
        QCOMPARE(action->text(), caption);
    else if (auto* button = qobject_cast<QPushButton*>(found))
        QCOMPARE(button->text(), caption);
    else
        QCOMPARE(qobject_cast<QLabel*>(found)->text(), caption);
}

void frmMainMenuTest::boxesStartWithTheirTextsAndLabelsNameThem()
{
    auto* frames = control<QLineEdit>(m_window.get(), "txtFrames");
    QVERIFY(frames);
    QCOMPARE(frames->text(), QStringLiteral("60"));
    QCOMPARE(control<QLineEdit>(m_window.get(), "ArmyNum(1)")->text(), QStringLiteral("0"));
    QCOMPARE(control<QLineEdit>(m_window.get(), "ArmyNum(2)")->text(), QStringLiteral("0"));
    QCOMPARE(control<QLabel>(m_window.get(), "Label1")->buddy(), frames);
    QCOMPARE(control<QLabel>(m_window.get(), "Label2")->buddy(), control<QLineEdit>(m_window.get(), "ArmyNum(1)"));
    QCOMPARE(control<QLabel>(m_window.get(), "Label3")->buddy(), control<QLineEdit>(m_window.get(), "ArmyNum(2)"));
    auto* dump = control<QPlainTextEdit>(m_window.get(), "txtDump");
    QVERIFY(dump);
    QCOMPARE(dump->toPlainText(), QStringLiteral("Text1"));
    QCOMPARE(dump->accessibleName(), QStringLiteral("Output"));
}

void frmMainMenuTest::armyTotalsAreRecomputedAtEveryActivation_data()
{
    QTest::addColumn<QList<int>>("teams");
    QTest::addColumn<QList<double>>("units");
    QTest::addColumn<QString>("army1");
    QTest::addColumn<QString>("army2");
    QTest::newRow("empty project") << QList<int>{} << QList<double>{} << "0" << "0";
    QTest::newRow("twelve in army 1") << QList<int>{1} << QList<double>{12} << "12" << "0";
    QTest::newRow("halves round to even after each type") << QList<int>{2, 2} << QList<double>{1.5, 1} << "0" << "3";
    QTest::newRow("team 3 counts nowhere") << QList<int>{3, 1} << QList<double>{7, 2} << "2" << "0";
    QTest::newRow("beyond whole numbers") << QList<int>{1, 1} << QList<double>{2e9, 2e9} << "more than 2147483647"
                                          << "0";
}

void frmMainMenuTest::armyTotalsAreRecomputedAtEveryActivation()
{
    QFETCH(QList<int>, teams);
    QFETCH(QList<double>, units);
    QFETCH(QString, army1);
    QFETCH(QString, army2);
    activate(m_window.get());
    for (int i = 0; i < teams.size(); ++i)
        addType("T", units[i], teams[i]);
    activate(m_window.get());
    QCOMPARE(control<QLineEdit>(m_window.get(), "ArmyNum(1)")->text(), army1);
    QCOMPARE(control<QLineEdit>(m_window.get(), "ArmyNum(2)")->text(), army2);
}

void frmMainMenuTest::eachEditorExistsOnceWithoutAnOwner_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("window");
    QTest::newRow("Types") << "cmdTypes" << "frmTypes";
    QTest::newRow("Armies") << "cmdArmies" << "frmArmies";
    QTest::newRow("Files") << "cmdFiles" << "frmFiles";
    QTest::newRow("AI") << "cmdAI" << "frmAI";
    QTest::newRow("Positioning") << "cmdPos" << "frmPos";
}

void frmMainMenuTest::eachEditorExistsOnceWithoutAnOwner()
{
    QFETCH(QString, item);
    QFETCH(QString, window);
    QVERIFY(!m_window->editor(window));
    QAction* menuItem = m_window->findChild<QAction*>(item);
    menuItem->trigger();
    QWidget* editor = m_window->editor(window);
    QVERIFY(editor);
    QVERIFY(editor->isVisible());
    QVERIFY(!editor->parentWidget());
    QVERIFY(editor->isWindow());
    menuItem->trigger();
    QCOMPARE(m_window->editor(window), editor);
    editor->close();
    QVERIFY(!editor->isVisible());
    menuItem->trigger();
    QCOMPARE(m_window->editor(window), editor);
    QVERIFY(editor->isVisible());
    QCOMPARE(QApplication::topLevelWidgets().count(editor), 1);
}

void frmMainMenuTest::titleShowsTheFileAndUnsavedChanges()
{
    addType("Archer", 3, 1);
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Untitled* - Kestrelon!"));
    m_dialogs->files.push_back(path("battle.kst").toStdString());
    item(m_window.get(), "cmdSave")->trigger();
    QCOMPARE(m_window->windowTitle(), QStringLiteral("battle.kst - Kestrelon!"));
    QCOMPARE(m_window->session().projectDialog().defaultExtension, std::string("kst"));
    QCOMPARE(m_window->session().projectDialog().filter, std::string("Kestrelon project (*.kst)"));
    m_window->session().project().UnitTypes[1].Team = 2;
    m_window->session().noteEdit();
    QCOMPARE(m_window->windowTitle(), QStringLiteral("battle.kst* - Kestrelon!"));
    m_window->session().project().UnitTypes[1].Team = 1; // undone by hand: nothing left to save
    m_window->session().noteEdit();
    QCOMPARE(m_window->windowTitle(), QStringLiteral("battle.kst - Kestrelon!"));
}

void frmMainMenuTest::aProjectThatCannotBeLoadedLeavesTheProjectAlone()
{
    addType("Archer", 3, 1);
    const Project before = m_window->session().project();
    {
        std::ofstream bad(path("bad.kst").toStdString(), std::ios::binary);
        bad << "1\r\nOnly\r\nnot a number\r\n";
    }
    m_dialogs->choices.push_back(false); // do not save the changes first
    m_dialogs->files.push_back(path("bad.kst").toStdString());
    item(m_window.get(), "cmdLoad")->trigger();
    const auto messages = m_dialogs->messages();
    QCOMPARE(messages.size(), std::size_t{1});
    const QString message = QString::fromStdString(messages[0]);
    QVERIFY2(message.startsWith(QStringLiteral("The project could not be loaded: ")), qPrintable(message));
    QVERIFY2(message.contains(path("bad.kst")) && message.contains(QStringLiteral("line 3")), qPrintable(message));
    QVERIFY(m_window->session().project() == before);
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Untitled* - Kestrelon!"));
}

void frmMainMenuTest::loadingOffersToSaveUnsavedChangesFirst()
{
    Project stored;
    stored.addType("Knight");
    stored.UnitTypes[1].Team = 2;
    stored.UnitTypes[1].Proportion = 4;
    kestrelon::SaveProject(stored, path("knights.kst").toStdString());
    addType("Archer", 3, 1);
    m_dialogs->choices.push_back(true);
    m_dialogs->files = {path("archers.kst").toStdString(), path("knights.kst").toStdString()};
    item(m_window.get(), "cmdLoad")->trigger();
    QCOMPARE(m_dialogs->shown.front(),
             std::string("question: The project has changes that have not been saved. Save them before loading another "
                         "project?"));
    QCOMPARE(kestrelon::LoadProject(path("archers.kst").toStdString()).TypeNames[1], std::string("Archer"));
    QVERIFY(m_window->session().project() == stored);
    QCOMPARE(m_window->windowTitle(), QStringLiteral("knights.kst - Kestrelon!"));
    QCOMPARE(control<QLineEdit>(m_window.get(), "ArmyNum(2)")->text(), QStringLiteral("4"));
}

void frmMainMenuTest::exitAsksAboutUnsavedChanges_data()
{
    QTest::addColumn<int>("answer"); // 0 No, 1 Yes, 2 Cancel, 3 Yes but the save dialog is cancelled
    QTest::addColumn<bool>("closes");
    QTest::addColumn<bool>("saved");
    QTest::newRow("no: leave without saving") << 0 << true << false;
    QTest::newRow("yes: save, then leave") << 1 << true << true;
    QTest::newRow("cancel: stay") << 2 << false << false;
    QTest::newRow("yes, save dialog cancelled: stay") << 3 << false << false;
}

void frmMainMenuTest::exitAsksAboutUnsavedChanges()
{
    QFETCH(int, answer);
    QFETCH(bool, closes);
    QFETCH(bool, saved);
    addType("Archer", 3, 1);
    const std::optional<bool> choices[] = {false, true, std::nullopt, true};
    m_dialogs->choices.push_back(choices[answer]);
    if (answer == 1)
        m_dialogs->files.push_back(path("exit.kst").toStdString());
    if (answer == 3)
        m_dialogs->files.push_back(std::nullopt);
    item(m_window.get(), "cmdExit")->trigger();
    QCOMPARE(m_dialogs->shown.front(),
             std::string("question: The project has changes that have not been saved. Save them before closing "
                         "Kestrelon?"));
    QCOMPARE(m_window->isVisible(), !closes);
    QCOMPARE(QFile::exists(path("exit.kst")), saved);
    if (!closes)
        m_dialogs->choices.push_back(false); // for the close at cleanup
}

void frmMainMenuTest::exitClosesTheEditors()
{
    item(m_window.get(), "cmdTypes")->trigger();
    item(m_window.get(), "cmdPos")->trigger();
    item(m_window.get(), "cmdExit")->trigger(); // nothing changed: no question
    QVERIFY(m_dialogs->shown.empty());
    QVERIFY(!m_window->isVisible());
    QVERIFY(!m_window->editor(QStringLiteral("frmTypes"))->isVisible());
    QVERIFY(!m_window->editor(QStringLiteral("frmPos"))->isVisible());
}

// A script typed into the AI editor but not yet stored is offered for keeping on Exit; one that
// cannot be stored stops the Exit, so the typing is not lost with the window.
void frmMainMenuTest::unsavedScriptEditsAreKeptBeforeExitOrStopIt()
{
    addType("Archer", 3, 1);
    m_dialogs->choices.push_back(false); // the project itself: saved earlier, nothing more to ask
    item(m_window.get(), "cmdAI")->trigger();
    QWidget* ai = m_window->editor(QStringLiteral("frmAI"));
    QVERIFY(QTest::qWaitForWindowExposed(ai));
    clickRow(control<QListWidget>(ai, "lstTypes"), 0);
    auto* script = control<QPlainTextEdit>(ai, "txtAI");
    script->setFocus();
    QTest::keyClick(script, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClick(script, Qt::Key_Return);
    QTest::keyClicks(script, QStringLiteral("CODEDONE"));
    m_dialogs->answers.push_back(true); // keep the edits: they cannot be stored
    item(m_window.get(), "cmdExit")->trigger();
    QVERIFY(m_window->isVisible());
    QCOMPARE(m_dialogs->messages().size(), std::size_t{1});
    QVERIFY(m_dialogs->messages()[0].find("\"CODEDONE\"") != std::string::npos);

    QTest::keyClick(script, Qt::Key_Backspace);
    m_dialogs->answers.push_back(true);
    item(m_window.get(), "cmdExit")->trigger();
    QVERIFY(!m_window->isVisible());
    QCOMPARE(m_window->session().project().UnitTypes[1].Code, std::string("Sub Main\r\nEnd Sub\r\nCODEDON"));
}

void frmMainMenuTest::runWritesTheSceneAndShowsTheOutput()
{
    addType("Archer", 2, 1);
    m_dialogs->files = {path("battle.kst").toStdString(), path("battle.an8").toStdString()};
    click(control<QPushButton>(m_window.get(), "Command1"));
    QCOMPARE(m_dialogs->shown, (std::vector<std::string>{"save", "message: Select where to save the file", "save"}));
    const std::string scene = bytesOf(path("battle.an8"));
    QVERIFY(scene.size() > 100);
    const QString output = control<QPlainTextEdit>(m_window.get(), "txtDump")->toPlainText();
    QVERIFY(output.contains(QStringLiteral("Archer002")));
    QVERIFY(scene.find(output.toStdString()) != std::string::npos);
    QCOMPARE(m_window->windowTitle(), QStringLiteral("battle.kst - Kestrelon!"));
    QCOMPARE(m_window->statusBar()->currentMessage(),
             QStringLiteral("Wrote battle.an8: 2 units, 61 passes, %1 bytes").arg(scene.size()));
}

// An output past the box's megabyte shows its first megabyte and a note with the size of the
// whole, which the run no longer keeps but still counts.
void frmMainMenuTest::aBigOutputShowsItsStartAndTheWholeSize()
{
    addType("Poser", 1, 1, "Sub Main\r\nThisGuy.seqOutput = ThisGuy.seqOutput & String(20000, \"p\")\r\nEnd Sub");
    m_dialogs->files = {path("big.kst").toStdString(), path("big.an8").toStdString()};
    click(control<QPushButton>(m_window.get(), "Command1"));
    const std::string scene = bytesOf(path("big.an8"));
    const std::size_t head = kestrelon::an8::sceneHead().size();
    const std::size_t whole = scene.size() - head - kestrelon::an8::sceneTail().size();
    QVERIFY(whole > std::size_t{1} << 20);
    const QString output = control<QPlainTextEdit>(m_window.get(), "txtDump")->toPlainText();
    const QString note = QStringLiteral("\n\n(The first 1048576 bytes of %1 are shown here; the scene file holds them all.)")
                             .arg(whole);
    QVERIFY(output.endsWith(note));
    QCOMPARE(output.chopped(note.size()).toStdString(), scene.substr(head, std::size_t{1} << 20));
}

// Cancel is pressed in the progress box while the frames run: the box is modal, the caption
// says the battle runs, and afterwards nothing is written and the output box keeps its text.
void frmMainMenuTest::cancelStopsTheRunAndWritesNothing()
{
    addType("Walker", 1, 1, "Sub Main\r\nThisGuy.xPos = ThisGuy.xPos + 1\r\nEnd Sub");
    control<QLineEdit>(m_window.get(), "txtFrames")->setText(QStringLiteral("2000000000"));
    m_dialogs->files = {path("long.kst").toStdString(), path("long.an8").toStdString()};
    QString titleDuringRun;
    bool boxWasModal = false;
    QTimer::singleShot(50, [&] {
        auto* box = m_window->findChild<QProgressDialog*>(QStringLiteral("runProgress"));
        QVERIFY(box);
        titleDuringRun = m_window->windowTitle();
        boxWasModal = QApplication::activeModalWidget() == box;
        box->cancel();
    });
    click(control<QPushButton>(m_window.get(), "Command1"));
    QCOMPARE(titleDuringRun, QStringLiteral("Running...."));
    QVERIFY(boxWasModal);
    QCOMPARE(m_dialogs->messages(), std::vector<std::string>{"The run was cancelled. No scene was written."});
    QVERIFY(!QFile::exists(path("long.an8")));
    QCOMPARE(control<QPlainTextEdit>(m_window.get(), "txtDump")->toPlainText(), QStringLiteral("Text1"));
    QCOMPARE(m_window->windowTitle(), QStringLiteral("long.kst - Kestrelon!"));
    QVERIFY2(!control<QPushButton>(m_window.get(), "cmdPreview")->isEnabled(), "a cancelled run has nothing to show");
}

// Preview (and Ctrl+P) does nothing until a run completes its frames, then opens one Preview
// window at the run's last frame; the next run's recording replaces the shown one, and its Trace
// pane lists the walker's turns in that run.
void frmMainMenuTest::previewOpensOnceARunHasCompletedItsFrames()
{
    auto* preview = control<QPushButton>(m_window.get(), "cmdPreview");
    QVERIFY(!preview->isEnabled());
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    QTest::keyClick(m_window->windowHandle(), Qt::Key_P, Qt::ControlModifier);
    QTest::qWait(300);
    QVERIFY(previewWindows().isEmpty());

    addType("Walker", 1, 1,
            "Sub Main\r\nThisGuy.whatFrame = ThisGuy.whatFrame + 1\r\nThisGuy.xPos = ThisGuy.xPos + 1\r\n"
            "ThisGuy.posOutput = ThisGuy.posOutput & Game.OutputLoc(ThisGuy.xPos, 0, ThisGuy.zPos, ThisGuy.whatFrame)\r\n"
            "End Sub");
    control<QLineEdit>(m_window.get(), "txtFrames")->setText(QStringLiteral("20"));
    m_dialogs->files = {path("walk.kst").toStdString(), path("walk.an8").toStdString()};
    click(control<QPushButton>(m_window.get(), "Command1"));
    QVERIFY(preview->isEnabled());
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    QTest::keyClick(m_window->windowHandle(), Qt::Key_P, Qt::ControlModifier);
    QTRY_COMPARE(previewWindows().size(), 1); // a button's shortcut clicks it as a short animation
    auto* window = previewWindows().first();
    QVERIFY(window && window->isVisible());
    QCOMPARE(window->frame(), 21);

    control<QLineEdit>(m_window.get(), "txtFrames")->setText(QStringLiteral("30"));
    m_dialogs->files = {path("walk.kst").toStdString(), path("walk.an8").toStdString()};
    click(control<QPushButton>(m_window.get(), "Command1"));
    click(preview);
    QCOMPARE(previewWindows().size(), 1);
    QCOMPARE(window->frame(), 31);

    // The walker's turn of frame 10 in the Trace pane: it stepped to where the map shows it.
    auto* map = control<kestrelon::ui::PreviewCanvas>(window, "picMap");
    QVERIFY(QTest::qWaitForWindowExposed(window));
    control<QSlider>(window, "sldFrame")->setValue(10);
    const kestrelon::sim::BattleRecording& recording = *map->recording();
    const kestrelon::sim::MapPoint at = recording.positionAt(recording.units[0], 10);
    // Moved on the Preview's own window: the main window may lie over the same screen point.
    QTest::mouseMove(window->windowHandle(), map->mapTo(window, map->widgetPoint(at.x, at.z).toPoint()));
    auto* trace = control<QPlainTextEdit>(window, "txtTrace");
    QTRY_VERIFY2(trace->toPlainText().startsWith(QStringLiteral("pass 10: ThisGuy.whatFrame = 10\n")),
                 qPrintable(control<QLabel>(window, "lblTrace")->text()));
    const QStringList lines = trace->toPlainText().split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 4);
    QVERIFY(lines[1].startsWith(QStringLiteral("pass 10: ThisGuy.xPos = ")));
    QCOMPARE(lines[1].section(QLatin1Char(' '), -1).toDouble(), double(at.x));
    QVERIFY(lines[2].startsWith(QStringLiteral("pass 10: Game.OutputLoc(")));
    QVERIFY(lines[2].endsWith(QStringLiteral(", 10) = \" pointkey { 10 ( %1 0 ").arg(lines[1].section(QLatin1Char(' '), -1)) +
                              QString::number(double(at.z)) + QStringLiteral(" ) \"?\" }  \"")));
}

// As the program starts with a file named on its command line (a file manager opening a .kst):
// a project that loads is the one shown; one that cannot be loaded gives the load error and
// leaves the empty project, as Load does.
void frmMainMenuTest::aProjectNamedAtStartIsOpenedOrReported()
{
    QVERIFY(m_window->session().loadFile(KESTRELON_EXAMPLES "/battle.kst", *m_dialogs));
    QCOMPARE(m_window->windowTitle(), QStringLiteral("battle.kst - Kestrelon!"));
    QVERIFY(m_window->session().project().NumTypes() > 0);

    auto fresh = std::make_unique<frmMainMenu>(*m_dialogs);
    const std::string missing = path("no-such-project.kst").toStdString();
    QVERIFY(!fresh->session().loadFile(missing, *m_dialogs));
    QCOMPARE(m_dialogs->messages().size(), std::size_t{1});
    QVERIFY(m_dialogs->messages()[0].starts_with("The project could not be loaded: " + missing));
    QCOMPARE(fresh->session().project().NumTypes(), 0);
    QCOMPARE(fresh->windowTitle(), QStringLiteral("Kestrelon!"));
}

// A run that a script's error ends keeps its messages and offers "Show in editor", which opens
// the AI editor on the failing type with the failing line marked; a run that completes hides it.
void frmMainMenuTest::aRunEndedByAScriptOffersToShowItInTheEditor()
{
    auto* show = control<QPushButton>(m_window.get(), "cmdShowInEditor");
    QVERIFY(show && show->isHidden());
    addType("Calm", 1, 1);
    addType("Divider", 1, 2, "Sub Main\r\n  x = 1\r\n    y = x / 0\r\nEnd Sub");
    m_dialogs->files = {path("fail.kst").toStdString(), path("fail.an8").toStdString()};
    click(control<QPushButton>(m_window.get(), "Command1"));
    QVERIFY(!m_dialogs->messages().empty());
    QVERIFY(m_dialogs->messages()[0].find("Division by zero") != std::string::npos);
    QVERIFY(!show->isHidden());
    click(show);
    auto* editor = qobject_cast<kestrelon::ui::frmAI*>(m_window->editor(QStringLiteral("frmAI")));
    QVERIFY(editor && editor->isVisible());
    QCOMPARE(editor->curType(), 2);
    auto* script = control<kestrelon::ui::ScriptEditor>(editor, "txtAI");
    QVERIFY(script->markedPlace().has_value());
    QCOMPARE(script->markedPlace()->first, 3);
    QCOMPARE(script->markedPlace()->second, 5);
    QCOMPARE(control<QLabel>(editor, "lblCheck")->text(), QStringLiteral("The run stopped here: line 3, column 5."));

    m_window->session().project().UnitTypes[2].Code = "Sub Main\r\nEnd Sub";
    m_dialogs->files = {path("fail.kst").toStdString(), path("fail.an8").toStdString()};
    click(control<QPushButton>(m_window.get(), "Command1"));
    QVERIFY(show->isHidden());
}

QTEST_MAIN(frmMainMenuTest)
#include "frmMainMenuTest.moc"
