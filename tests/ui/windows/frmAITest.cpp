// The AI script editor driven as a user does: choosing types in the list, typing scripts and
// pressing "Save Code", with scripted answers to its questions; checked against the scripts
// stored in the project and the exact texts shown.
#include "model/ProjectFile.h"
#include "support/ScriptedDialogs.h"
#include "ui/ModalDriver.h"
#include "ui/dialogs/QtDialogs.h"
#include "ui/windows/ProjectSession.h"
#include "ui/windows/frmAI.h"
#include "ui/windows/WindowDriver.h"

#include <QDir>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QLayout>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using kestrelon::Project;
using kestrelon::testing::ScriptedDialogs;
using kestrelon::ui::ProjectSession;
using kestrelon::ui::frmAI;
using namespace kestrelon::testing;

namespace {

const QString NoTypeChosen = QStringLiteral("You must select a type to edit code for first");

std::string keepQuestion(const std::string& name)
{
    return "question: The script of " + name + " has changes that were not saved with \"Save Code\". Keep them?";
}

std::string refusal(int line)
{
    return "message: This script cannot be saved: its line " + std::to_string(line) +
           " is exactly \"CODEDONE\", the word that ends a script in the project file. Change that line and save "
           "again.";
}

// A session holding the given types (name, team, script) and the editor open on it.
struct Editor {
    ScriptedDialogs dialogs;
    ProjectSession session;
    std::unique_ptr<frmAI> window;
    bool exposed = false;

    explicit Editor(const std::vector<std::tuple<std::string, int, std::string>>& types)
    {
        for (const auto& [name, team, code] : types) {
            const std::int32_t i = session.project().addType(name);
            session.project().UnitTypes[i].Team = team;
            session.project().UnitTypes[i].Code = code;
        }
        window = std::make_unique<frmAI>(session, dialogs);
        window->show();
        exposed = QTest::qWaitForWindowExposed(window.get());
        activate(window.get());
    }

    QListWidget* list() { return control<QListWidget>(window.get(), QStringLiteral("lstTypes")); }
    QPlainTextEdit* editor() { return control<QPlainTextEdit>(window.get(), QStringLiteral("txtAI")); }
    QPushButton* button() { return control<QPushButton>(window.get(), QStringLiteral("Command1")); }
    QString label() { return control<QLabel>(window.get(), QStringLiteral("Label1"))->text(); }
    const std::string& code(int type) { return session.project().UnitTypes[type].Code; }

    void choose(int row) { clickRow(list(), row); }
    // Types at the end of the script; "\n" is the Return key.
    void type(const QString& text)
    {
        editor()->setFocus();
        editor()->moveCursor(QTextCursor::End);
        for (const QChar c : text) {
            if (c == QLatin1Char('\n'))
                QTest::keyClick(editor(), Qt::Key_Return);
            else if (c.unicode() < 0x80)
                QTest::keyClicks(editor(), QString(c));
            else // a key of a national keyboard, which gives the character as its text
                QTest::sendKeyEvent(QTest::Click, editor(), Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }
    void save() { click(button()); }
};

// The face is drawn pure red: a point inside its border, away from the caption.
bool faceIsRed(QPushButton* button)
{
    const QImage face = button->grab().toImage();
    return face.pixelColor(4, face.height() / 2) == QColor(255, 0, 0);
}

} // namespace

class frmAITest : public QObject {
    Q_OBJECT

private slots:
    void windowShowsItsControls();
    void activationListsTheTypesInOrder();
    void typingBeforeChoosingATypeShowsOnlyTheMessage();
    void choosingATypeShowsItsScriptAndTeam_data();
    void choosingATypeShowsItsScriptAndTeam();
    void theLastTypeOfADuplicateNameIsEdited();
    void aLongNameKeepsTheWindowOnScreen();
    void theKeyboardWalksThroughTheTypes();
    void saveCodeStoresTheScript_data();
    void saveCodeStoresTheScript();
    void aLineThatIsExactlyTheEndWordIsRefused_data();
    void aLineThatIsExactlyTheEndWordIsRefused();
    void leavingChangedEditsAsksFirst_data();
    void leavingChangedEditsAsksFirst();
    void theQuestionBoxAnswersDuringTheClick();
    void settlingAsksOnlyAboutRealChanges_data();
    void settlingAsksOnlyAboutRealChanges();
    void aLoadedProjectEmptiesTheEditor();
};

void frmAITest::windowShowsItsControls()
{
    Editor ai({});
    QVERIFY(ai.exposed);
    QCOMPARE(ai.window->objectName(), QStringLiteral("frmAI"));
    QCOMPARE(ai.window->windowTitle(), QStringLiteral("Form1"));
    QCOMPARE(ai.button()->text(), QStringLiteral("Save Code"));
    QCOMPARE(ai.label(), QStringLiteral("Editing:"));
    QVERIFY(ai.editor()->toPlainText().isEmpty());
    QCOMPARE(ai.editor()->lineWrapMode(), QPlainTextEdit::NoWrap);
    QCOMPARE(ai.editor()->accessibleName(), QStringLiteral("Script"));
    QVERIFY(!ai.list()->accessibleName().isEmpty());
    const QFont font = ai.editor()->font();
    if (QFontInfo(font).family() == QLatin1String("Courier New"))
        QCOMPARE(font.pointSizeF(), 9.75);
    else
        QCOMPARE(font, QFontDatabase::systemFont(QFontDatabase::FixedFont));
    QVERIFY(ai.window->width() <= 1366 && ai.window->height() <= 768);
    QCOMPARE(ai.window->curType(), 0);
}

void frmAITest::activationListsTheTypesInOrder()
{
    Editor ai({{"Archer", 1, ""}, {"Knight", 2, ""}, {"Archer", 2, ""}});
    QCOMPARE(rows(ai.list()), QStringList({"Archer", "Knight", "Archer"}));
    ai.session.project().addType("Catapult");
    QCOMPARE(ai.list()->count(), 3);
    activate(ai.window.get());
    QCOMPARE(rows(ai.list()), QStringList({"Archer", "Knight", "Archer", "Catapult"}));
}

void frmAITest::typingBeforeChoosingATypeShowsOnlyTheMessage()
{
    Editor ai({{"Archer", 1, "Sub Main\r\nEnd Sub"}});
    ai.type(QStringLiteral("x = 1\ny"));
    QCOMPARE(ai.editor()->toPlainText(), NoTypeChosen);
    QVERIFY(faceIsRed(ai.button()));
    ai.save();
    QCOMPARE(ai.code(1), std::string("Sub Main\r\nEnd Sub"));
    QVERIFY(ai.dialogs.shown.empty());
}

void frmAITest::choosingATypeShowsItsScriptAndTeam_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<int>("team");
    QTest::addColumn<QByteArray>("code");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("label");
    QTest::newRow("Archer in team 2")
        << QByteArray("Archer") << 2 << QByteArray("Sub Main\r\n  Game.Attack\r\nEnd Sub")
        << "Sub Main\n  Game.Attack\nEnd Sub" << "Editing: Archer.  They work for team 2";
    QTest::newRow("empty script, no army")
        << QByteArray("Scout") << 0 << QByteArray() << "" << "Editing: Scout.  They work for team 0";
    QTest::newRow("negative team, Windows-1252 name")
        << QByteArray("Caf\xE9") << -1 << QByteArray("' caf\xE9\r\n") << QString::fromUtf8("' caf\u00E9\n")
        << QString::fromUtf8("Editing: Caf\u00E9.  They work for team -1");
}

void frmAITest::choosingATypeShowsItsScriptAndTeam()
{
    QFETCH(QByteArray, name);
    QFETCH(int, team);
    QFETCH(QByteArray, code);
    Editor ai({{"Other", 1, "' other"}, {name.toStdString(), team, code.toStdString()}});
    QVERIFY(!faceIsRed(ai.button()));
    ai.choose(1);
    QTEST(ai.editor()->toPlainText(), "shown");
    QTEST(ai.label(), "label");
    QTEST(ai.editor()->accessibleDescription(), "label");
    QCOMPARE(ai.window->curType(), 2);
    QVERIFY(ai.list()->selectedItems().isEmpty());
    QCOMPARE(ai.list()->count(), 2);
    QVERIFY(ai.dialogs.shown.empty());
    QVERIFY(faceIsRed(ai.button()));
}

void frmAITest::theLastTypeOfADuplicateNameIsEdited()
{
    Editor ai({{"Archer", 1, "' first"}, {"Knight", 1, "' knight"}, {"Archer", 2, "' second"}});
    ai.choose(0);
    QCOMPARE(ai.window->curType(), 3);
    QCOMPARE(ai.editor()->toPlainText(), QStringLiteral("' second"));
    QCOMPARE(ai.label(), QStringLiteral("Editing: Archer.  They work for team 2"));
    ai.type(QStringLiteral("!"));
    ai.save();
    QCOMPARE(ai.code(3), std::string("' second!"));
    QCOMPARE(ai.code(1), std::string("' first"));
}

void frmAITest::aLongNameKeepsTheWindowOnScreen()
{
    Editor ai({{std::string(400, 'W'), 1, std::string(400, 'x')}});
    ai.choose(0);
    ai.window->layout()->activate();
    const QSize least = ai.window->minimumSizeHint();
    QVERIFY2(least.width() <= 1366 && least.height() <= 768, qPrintable(QString::number(least.width())));
    QVERIFY(ai.window->width() <= 1366);
}

void frmAITest::theKeyboardWalksThroughTheTypes()
{
    Editor ai({{"Archer", 1, "' a"}, {"Knight", 2, "' k"}, {"Catapult", 1, "' c"}});
    ai.list()->setFocus(Qt::TabFocusReason);
    QCOMPARE(ai.window->curType(), 0);
    QTest::keyClick(ai.list(), Qt::Key_Down);
    QCOMPARE(ai.window->curType(), 1);
    QTest::keyClick(ai.list(), Qt::Key_Down);
    QTest::keyClick(ai.list(), Qt::Key_Down);
    QCOMPARE(ai.window->curType(), 3);
    QCOMPARE(ai.editor()->toPlainText(), QStringLiteral("' c"));
    QTest::keyClick(ai.list(), Qt::Key_Up);
    QCOMPARE(ai.label(), QStringLiteral("Editing: Knight.  They work for team 2"));
    QVERIFY(ai.list()->selectedItems().isEmpty());
}

void frmAITest::saveCodeStoresTheScript_data()
{
    QTest::addColumn<QByteArray>("code");
    QTest::addColumn<QString>("typed"); // after a key typed and taken back again
    QTest::addColumn<QByteArray>("stored");
    QTest::newRow("typed lines get CR LF") << QByteArray() << "Sub Main\n  Game.Wait\nEnd Sub\n"
                                            << QByteArray("Sub Main\r\n  Game.Wait\r\nEnd Sub\r\n");
    QTest::newRow("unchanged bare line feeds") << QByteArray("a\nb\r\nc") << "" << QByteArray("a\nb\r\nc");
    QTest::newRow("unchanged lone carriage return") << QByteArray("a\rb") << "" << QByteArray("a\rb");
    QTest::newRow("unchanged UTF-8 and tabs") << QByteArray("\t' na\xC3\xAFve\r\n\tGame.Wait") << ""
                                              << QByteArray("\t' na\xC3\xAFve\r\n\tGame.Wait");
    QTest::newRow("edited Windows-1252 keeps its bytes")
        << QByteArray("x =\xA0" "1 ' caf\xE9") << "\n' \u00E0" << QByteArray("x =\xA0" "1 ' caf\xE9\r\n' \xE0");
}

void frmAITest::saveCodeStoresTheScript()
{
    QFETCH(QByteArray, code);
    QFETCH(QString, typed);
    QFETCH(QByteArray, stored);
    Editor ai({{"Archer", 1, code.toStdString()}});
    QSignalSpy edited(&ai.session, &ProjectSession::edited);
    ai.choose(0);
    ai.type(QStringLiteral("z"));
    QTest::keyClick(ai.editor(), Qt::Key_Backspace);
    ai.type(typed);
    QCOMPARE(edited.count(), 0);
    ai.save();
    QCOMPARE(QByteArray::fromStdString(ai.code(1)), stored);
    QCOMPARE(edited.count(), 1);
    // Stored edits are no longer unsaved: nothing is asked before a project save.
    ai.window->settleUnsavedEdits();
    QVERIFY(ai.dialogs.shown.empty());
    QVERIFY(faceIsRed(ai.button()));
}

void frmAITest::aLineThatIsExactlyTheEndWordIsRefused_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("refusedLine"); // 0: stored
    QTest::newRow("third line") << "\n' more\nCODEDONE\nEnd Sub" << 3;
    QTest::newRow("last line") << "\nCODEDONE" << 2;
    QTest::newRow("word inside a line") << "\n' CODEDONE here" << 0;
    QTest::newRow("trailing blank") << "\nCODEDONE " << 0;
    QTest::newRow("other case") << "\nCodeDone" << 0;
}

void frmAITest::aLineThatIsExactlyTheEndWordIsRefused()
{
    QFETCH(QString, typed);
    QFETCH(int, refusedLine);
    Editor ai({{"Archer", 1, "Sub Main"}});
    ai.choose(0);
    ai.type(typed);
    ai.save();
    if (refusedLine == 0) {
        QCOMPARE(QString::fromStdString(ai.code(1)), QStringLiteral("Sub Main") + QString(typed).replace("\n", "\r\n"));
        QVERIFY(ai.dialogs.shown.empty());
    } else {
        QCOMPARE(ai.code(1), std::string("Sub Main"));
        QCOMPARE(ai.dialogs.shown, std::vector<std::string>{refusal(refusedLine)});
        QCOMPARE(ai.editor()->toPlainText(), QStringLiteral("Sub Main") + typed);
    }
}

void frmAITest::leavingChangedEditsAsksFirst_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("keep");
    QTest::addColumn<QByteArray>("storedInA");
    QTest::addColumn<bool>("switched");
    QTest::newRow("Yes stores them") << "\nx = 1" << true << QByteArray("' a\r\nx = 1") << true;
    QTest::newRow("No drops them") << "\nx = 1" << false << QByteArray("' a") << true;
    QTest::newRow("Yes with the end word stays") << "\nCODEDONE" << true << QByteArray("' a") << false;
}

void frmAITest::leavingChangedEditsAsksFirst()
{
    QFETCH(QString, typed);
    QFETCH(bool, keep);
    QFETCH(bool, switched);
    QFETCH(QByteArray, storedInA);
    Editor ai({{"Alpha", 1, "' a"}, {"Beta", 2, "' b"}});
    ai.choose(0);
    ai.type(typed);
    ai.dialogs.answers.push_back(keep);
    ai.choose(1);
    QCOMPARE(QByteArray::fromStdString(ai.code(1)), storedInA);
    QCOMPARE(ai.code(2), std::string("' b"));
    QCOMPARE(ai.dialogs.shown.front(), keepQuestion("Alpha"));
    if (switched) {
        QCOMPARE(ai.dialogs.shown.size(), std::size_t(1));
        QCOMPARE(ai.editor()->toPlainText(), QStringLiteral("' b"));
        QCOMPARE(ai.label(), QStringLiteral("Editing: Beta.  They work for team 2"));
    } else {
        QCOMPARE(ai.dialogs.shown, (std::vector<std::string>{keepQuestion("Alpha"), refusal(2)}));
        QCOMPARE(ai.editor()->toPlainText(), QStringLiteral("' a") + typed);
        QCOMPARE(ai.window->curType(), 1);
    }
}

// The question box runs its own event loop while the list is still handling the click, and
// the window is activated again when the box closes.
void frmAITest::theQuestionBoxAnswersDuringTheClick()
{
    kestrelon::ui::QtDialogs dialogs(nullptr, QStringLiteral("Kestrelon!"));
    ProjectSession session;
    session.project().addType("Alpha");
    session.project().addType("Beta");
    frmAI window(session, dialogs);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    activate(&window);
    auto* list = control<QListWidget>(&window, QStringLiteral("lstTypes"));
    auto* editor = control<QPlainTextEdit>(&window, QStringLiteral("txtAI"));
    clickRow(list, 0);
    editor->setFocus();
    QTest::keyClicks(editor, QStringLiteral("x = 1"));
    QString asked;
    whenModalShown<QMessageBox>([&asked](QMessageBox* box) {
        asked = box->text();
        box->button(QMessageBox::Yes)->click();
    });
    clickRow(list, 1);
    QCOMPARE(asked.toStdString(), keepQuestion("Alpha").substr(std::string("question: ").size()));
    QCOMPARE(session.project().UnitTypes[1].Code, std::string("x = 1"));
    QCOMPARE(window.curType(), 2);
    QCOMPARE(rows(list), QStringList({"Alpha", "Beta"}));
    QVERIFY(list->selectedItems().isEmpty());
}

void frmAITest::settlingAsksOnlyAboutRealChanges_data()
{
    QTest::addColumn<bool>("edit");
    QTest::addColumn<bool>("keep");
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QString>("shownAfter");
    QTest::newRow("Yes stores") << true << true << QByteArray("' a\r\n'") << "' a\n'";
    QTest::newRow("No drops") << true << false << QByteArray("' a") << "' a";
    QTest::newRow("typed and undone") << false << false << QByteArray("' a") << "' a";
}

void frmAITest::settlingAsksOnlyAboutRealChanges()
{
    QFETCH(bool, edit);
    QFETCH(bool, keep);
    QFETCH(QByteArray, stored);
    Editor ai({{"Alpha", 1, "' a"}});
    ai.window->settleUnsavedEdits();
    ai.choose(0);
    ai.type(QStringLiteral("\n'"));
    if (!edit) {
        QTest::keyClick(ai.editor(), Qt::Key_Backspace);
        QTest::keyClick(ai.editor(), Qt::Key_Backspace);
    }
    ai.dialogs.answers.push_back(keep);
    ai.window->settleUnsavedEdits();
    QCOMPARE(QByteArray::fromStdString(ai.code(1)), stored);
    QTEST(ai.editor()->toPlainText(), "shownAfter");
    QCOMPARE(ai.dialogs.shown.size(), std::size_t(edit ? 1 : 0));
    ai.window->settleUnsavedEdits();
    QCOMPARE(ai.dialogs.shown.size(), std::size_t(edit ? 1 : 0));
}

void frmAITest::aLoadedProjectEmptiesTheEditor()
{
    QTemporaryDir folder;
    const std::string path = QDir(folder.path()).filePath(QStringLiteral("other.kst")).toStdString();
    Project other;
    other.addType("Knight");
    kestrelon::SaveProject(other, path);

    Editor ai({{"Alpha", 1, "' a"}, {"Beta", 2, "' b"}, {"Gamma", 2, "' c"}});
    ai.choose(2);
    ai.dialogs.files.push_back(path);
    QVERIFY(ai.session.load(ai.dialogs));
    QCOMPARE(ai.window->curType(), 0);
    QCOMPARE(ai.editor()->toPlainText(), QString());
    QCOMPARE(ai.label(), QStringLiteral("Editing:"));
    QCOMPARE(rows(ai.list()), QStringList({"Knight"}));
    ai.window->settleUnsavedEdits();
    ai.type(QStringLiteral("x"));
    QCOMPARE(ai.editor()->toPlainText(), NoTypeChosen);
    ai.choose(0);
    QCOMPARE(ai.editor()->toPlainText(), QString());
    QCOMPARE(ai.label(), QStringLiteral("Editing: Knight.  They work for team 0"));
    QCOMPARE(ai.dialogs.shown, std::vector<std::string>{"open"});
}

QTEST_MAIN(frmAITest)
#include "frmAITest.moc"
