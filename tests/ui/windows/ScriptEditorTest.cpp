// The AI editor's help with writing scripts: which spans of a script are coloured, the member
// lists offered after "Game." and "ThisGuy.", line numbers and the cursor's place, and Check,
// which marks the line and column of a broken script's error and stores nothing.
#include "support/ScriptedDialogs.h"
#include "ui/windows/ProjectSession.h"
#include "ui/windows/ScriptEditor.h"
#include "ui/windows/ScriptHighlighter.h"
#include "ui/windows/ScriptMembers.h"
#include "ui/windows/WindowDriver.h"
#include "ui/windows/frmAI.h"

#include <QAbstractItemView>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include <memory>

using kestrelon::testing::click;
using kestrelon::testing::clickRow;
using kestrelon::testing::control;
using kestrelon::testing::ScriptedDialogs;
using kestrelon::ui::ScriptEditor;
using kestrelon::ui::ScriptSpan;
using kestrelon::ui::ScriptSpanKind;
using kestrelon::ui::frmAI;
using kestrelon::ui::ProjectSession;

Q_DECLARE_METATYPE(std::vector<ScriptSpan>)

namespace {

constexpr auto K = ScriptSpanKind::Keyword;
constexpr auto S = ScriptSpanKind::String;
constexpr auto C = ScriptSpanKind::Comment;
constexpr auto N = ScriptSpanKind::Number;
constexpr auto M = ScriptSpanKind::Member;

QString describe(const std::vector<ScriptSpan>& spans, const QString& line)
{
    QStringList parts;
    for (const ScriptSpan& span : spans)
        parts << QStringLiteral("%1:%2").arg(static_cast<int>(span.kind)).arg(line.mid(span.start, span.length));
    return parts.join(QStringLiteral(" | "));
}

} // namespace

class ScriptEditorTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void spansOfALine_data();
    void spansOfALine();
    void membersAreOfferedAfterTheirObject_data();
    void membersAreOfferedAfterTheirObject();
    void aChosenMemberReplacesWhatWasTyped();
    void linesAreNumberedAndTheCursorsPlaceShown();
    void checkMarksTheErrorsLineAndColumn_data();
    void checkMarksTheErrorsLineAndColumn();
    void checkOfAGoodScriptSaysSoAndEditingClearsTheMark();
    void pictureOfAMarkedError();

private:
    ScriptEditor* editor() { return control<ScriptEditor>(m_window.get(), QStringLiteral("txtAI")); }
    void typeAtEnd(const QString& text);

    std::unique_ptr<ScriptedDialogs> m_dialogs;
    std::unique_ptr<ProjectSession> m_session;
    std::unique_ptr<frmAI> m_window;
};

void ScriptEditorTest::init()
{
    m_dialogs = std::make_unique<ScriptedDialogs>();
    m_session = std::make_unique<ProjectSession>();
    const std::int32_t type = m_session->project().addType("Archer");
    m_session->project().UnitTypes[type].Code = "Sub Main\r\nEnd Sub";
    m_window = std::make_unique<frmAI>(*m_session, *m_dialogs);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    kestrelon::testing::activate(m_window.get());
    clickRow(control<QListWidget>(m_window.get(), QStringLiteral("lstTypes")), 0);
    QCOMPARE(m_window->curType(), 1);
}

void ScriptEditorTest::cleanup()
{
    m_window.reset();
    m_session.reset();
    m_dialogs.reset();
}

void ScriptEditorTest::typeAtEnd(const QString& text)
{
    editor()->setFocus();
    editor()->moveCursor(QTextCursor::End);
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        if (i > 0)
            QTest::keyClick(editor(), Qt::Key_Return);
        QTest::keyClicks(editor(), lines[i]);
    }
}

void ScriptEditorTest::spansOfALine_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<std::vector<ScriptSpan>>("spans");
    QTest::newRow("keywords in any case") << "If x Then EXIT sub" << std::vector<ScriptSpan>{{0, 2, K}, {5, 4, K}, {10, 4, K}, {15, 3, K}};
    QTest::newRow("a string with a doubled quote")
        << "s = \"say \"\"hi\"\"\" & t" << std::vector<ScriptSpan>{{4, 12, S}};
    QTest::newRow("a string left open") << "s = \"open" << std::vector<ScriptSpan>{{4, 5, S}};
    QTest::newRow("a comment after code") << "x = 1 ' the end" << std::vector<ScriptSpan>{{4, 1, N}, {6, 9, C}};
    QTest::newRow("an apostrophe in a string is no comment")
        << "s = \"it's\"" << std::vector<ScriptSpan>{{4, 6, S}};
    QTest::newRow("Rem starts a comment") << "Rem Then" << std::vector<ScriptSpan>{{0, 8, C}};
    QTest::newRow("numbers") << "a = 1.5e3 + &HFF& + .5 - 2"
                             << std::vector<ScriptSpan>{{4, 5, N}, {12, 5, N}, {20, 2, N}, {25, 1, N}};
    QTest::newRow("digits inside a name are no number") << "x2 = y3" << std::vector<ScriptSpan>{};
    QTest::newRow("members of Game and ThisGuy")
        << "ThisGuy.posOutput = Game.OutputLoc(1, 2, 3, thisguy.WHATFRAME)"
        << std::vector<ScriptSpan>{{8, 9, M}, {25, 9, M}, {35, 1, N}, {38, 1, N}, {41, 1, N}, {52, 9, M}};
    QTest::newRow("no member of another object, nor a name Game lacks")
        << "other.xPos = Game.Nothing" << std::vector<ScriptSpan>{};
}

void ScriptEditorTest::spansOfALine()
{
    QFETCH(QString, line);
    QFETCH(std::vector<ScriptSpan>, spans);
    const std::vector<ScriptSpan> found = kestrelon::ui::scriptSpans(line);
    QVERIFY2(found == spans, qPrintable(describe(found, line) + QStringLiteral("  expected  ") + describe(spans, line)));
}

void ScriptEditorTest::membersAreOfferedAfterTheirObject_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("offered");
    QStringList game;
    for (const auto& member : kestrelon::ui::gameMembers())
        game << member.name + member.parameters;
    QTest::newRow("all of Game's") << "Game." << game;
    QTest::newRow("ThisGuy's, filtered, any case")
        << "thisguy.pos" << QStringList{QStringLiteral("posOutput")};
    QTest::newRow("a method with its parameters")
        << "x = Game.Output" << QStringList{QStringLiteral("OutputLoc(xPos, yPos, zPos, whatFrame)")};
    QTest::newRow("nothing after another name") << "other." << QStringList{};
}

void ScriptEditorTest::membersAreOfferedAfterTheirObject()
{
    QFETCH(QString, typed);
    QFETCH(QStringList, offered);
    typeAtEnd(QStringLiteral("\n") + typed);
    QCOMPARE(editor()->shownCompletions(), offered);
}

void ScriptEditorTest::aChosenMemberReplacesWhatWasTyped()
{
    typeAtEnd(QStringLiteral("\nx = Game.wherem"));
    QCOMPARE(editor()->shownCompletions().size(), 3);
    QTest::keyClick(editor()->findChild<QAbstractItemView*>(QStringLiteral("completions")), Qt::Key_Down);
    QTest::keyClick(editor()->findChild<QAbstractItemView*>(QStringLiteral("completions")), Qt::Key_Return);
    QCOMPARE(editor()->toPlainText(), QStringLiteral("Sub Main\nEnd Sub\nx = Game.WhereMyY"));
    QCOMPARE(m_session->project().UnitTypes[1].Code, std::string("Sub Main\r\nEnd Sub")); // nothing saved
}

void ScriptEditorTest::linesAreNumberedAndTheCursorsPlaceShown()
{
    QVERIFY(editor()->findChild<QWidget*>(QStringLiteral("lineNumbers")));
    QVERIFY(editor()->lineNumberWidth() > 0);
    editor()->setPlainText(QStringLiteral("Sub Main\n  x = 1\nEnd Sub"));
    QTextCursor cursor(editor()->document()->findBlockByNumber(1));
    cursor.movePosition(QTextCursor::Right, QTextCursor::MoveAnchor, 4);
    editor()->setTextCursor(cursor);
    QCOMPARE(control<QLabel>(m_window.get(), QStringLiteral("lblPosition"))->text(), QStringLiteral("Line 2, Column 5"));
}

void ScriptEditorTest::checkMarksTheErrorsLineAndColumn_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<int>("line");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("text");
    QTest::newRow("an unclosed call") << "Sub Main\n  x = Game.GetCX(1\nEnd Sub" << 2 << 19 << "Expected ')'";
    QTest::newRow("a missing End Sub") << "Sub Main\n  x = 1\n" << 3 << 1 << "Expected 'End'";
    QTest::newRow("an unterminated string") << "Sub Main\n  MsgBox \"hi\nEnd Sub" << 2 << 10
                                            << "Unterminated string constant";
    QTest::newRow("Next without For") << "Sub Main\n\n  Next\nEnd Sub" << 3 << 3 << "Unexpected 'Next'";
}

void ScriptEditorTest::checkMarksTheErrorsLineAndColumn()
{
    QFETCH(QString, script);
    QFETCH(int, line);
    QFETCH(int, column);
    QFETCH(QString, text);
    editor()->setPlainText(script);
    QTest::keyClick(m_window->windowHandle(), Qt::Key_K, Qt::ControlModifier);
    QTRY_VERIFY(editor()->markedPlace().has_value()); // a button's shortcut clicks it as a short animation
    QCOMPARE(*editor()->markedPlace(), std::pair(line, column));
    QCOMPARE(control<QLabel>(m_window.get(), QStringLiteral("lblCheck"))->text(),
             QStringLiteral("Line %1, column %2: %3").arg(line).arg(column).arg(text));
    QCOMPARE(editor()->textCursor().blockNumber() + 1, line);
    QCOMPARE(m_session->project().UnitTypes[1].Code, std::string("Sub Main\r\nEnd Sub")); // nothing saved
}

void ScriptEditorTest::checkOfAGoodScriptSaysSoAndEditingClearsTheMark()
{
    editor()->setPlainText(QStringLiteral("Sub Main\n  x = (1\nEnd Sub"));
    click(control<QPushButton>(m_window.get(), QStringLiteral("cmdCheck")));
    QVERIFY(editor()->markedPlace());
    typeAtEnd(QStringLiteral(" "));
    QVERIFY2(!editor()->markedPlace(), "an edit takes the mark away");
    QCOMPARE(control<QLabel>(m_window.get(), QStringLiteral("lblCheck"))->text(), QString());
    editor()->setPlainText(QStringLiteral("Sub Main\n  x = (1)\nEnd Sub"));
    click(control<QPushButton>(m_window.get(), QStringLiteral("cmdCheck")));
    QVERIFY(!editor()->markedPlace());
    QCOMPARE(control<QLabel>(m_window.get(), QStringLiteral("lblCheck"))->text(), QStringLiteral("The script compiles."));
}

// The guide's picture: the melee charger's script with a slip in it, checked.
void ScriptEditorTest::pictureOfAMarkedError()
{
    QFile example(QStringLiteral(KESTRELON_EXAMPLES "/scripts/melee-charger.vbs"));
    QVERIFY(example.open(QIODevice::ReadOnly | QIODevice::Text));
    QString script = QString::fromUtf8(example.readAll());
    script.replace(QStringLiteral("If target = 0 Then Exit Sub"), QStringLiteral("If target = 0 Exit Sub"));
    editor()->setPlainText(script);
    m_window->resize(900, 560);
    click(control<QPushButton>(m_window.get(), QStringLiteral("cmdCheck")));
    QVERIFY(editor()->markedPlace());
    QDir().mkpath(QStringLiteral(KESTRELON_DOC_IMAGES));
    QVERIFY(m_window->grab().save(QStringLiteral(KESTRELON_DOC_IMAGES "/editor-check.png")));
}

QTEST_MAIN(ScriptEditorTest)
#include "ScriptEditorTest.moc"
