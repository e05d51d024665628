// One whole session as a new user has it, driven through the windows only: two types added and
// given their values, a figure file loaded and figures set by clicking, scripts written,
// deployment boxes clicked on the map, the project saved and loaded into a fresh window, and a
// run whose scene is byte for byte what `kestrelon-cli run` writes for the saved project.
#include "support/ScriptedDialogs.h"
#include "ui/windows/DeploymentMap.h"
#include "ui/windows/EditorWindow.h"
#include "ui/windows/frmMainMenu.h"
#include "windows/WindowDriver.h"

#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using kestrelon::testing::ScriptedDialogs;
using kestrelon::ui::DeploymentMap;
using kestrelon::ui::EditorWindow;
using kestrelon::ui::frmMainMenu;
using namespace kestrelon::testing;

namespace {

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString example(const char* name)
{
    return QStringLiteral(KESTRELON_EXAMPLES "/") + QLatin1String(name);
}

// The values a user types for one type, box by box, and the figure and script it gets.
struct TypeSetup {
    const char* name;
    QList<QPair<const char*, const char*>> boxes;
    int figureRow;       // in the loader's figure list
    const char* script;  // an example script, pasted into the AI editor
    int team;
    QPointF corners[2];  // map points of the deployment box
};

const TypeSetup Knights{"Knights",
                        {{"txtAccel", "1"}, {"txtMaxSpeed", "6"}, {"txtMaxLife", "100"}, {"txtArmor", "3"},
                         {"txtProportion", "3"}, {"txtAttackAnim", "swing"}, {"txtDamage", "12"},
                         {"txtRange", "14"}, {"txtTeam", "1"}},
                        0, "scripts/melee-charger.vbs", 1, {{-300, -120}, {-200, 40}}};
const TypeSetup Orcs{"Orcs",
                     {{"txtAccel", "1"}, {"txtMaxSpeed", "5"}, {"txtMaxLife", "120"}, {"txtArmor", "2"},
                      {"txtProportion", "2.5"}, {"txtAttackAnim", "chop"}, {"txtDamage", "15"}, {"txtRange", "12"},
                      {"txtTeam", "2"}},
                     2, "scripts/melee-charger.vbs", 2, {{180, -100}, {300, 60}}};

} // namespace

class SessionTest : public QObject {
    Q_OBJECT

private slots:
    void aBattleBuiltInTheWindowsRunsAsTheCommandLineRunsIt();

private:
    EditorWindow* open(frmMainMenu& window, const char* item, const char* editor);
    void addTypes(frmMainMenu& window);
    void setFigures(frmMainMenu& window);
    void setValues(frmMainMenu& window, const TypeSetup& type, int row);
    void writeScript(frmMainMenu& window, const TypeSetup& type, int row);
    void deploy(frmMainMenu& window, const TypeSetup& type);

    ScriptedDialogs m_dialogs;
};

EditorWindow* SessionTest::open(frmMainMenu& window, const char* item, const char* editor)
{
    window.findChild<QAction*>(QLatin1String(item))->trigger();
    EditorWindow* shown = window.editor(QLatin1String(editor));
    if (shown) {
        activate(shown);
        [&] { QVERIFY(QTest::qWaitForWindowExposed(shown)); }();
    }
    return shown;
}

void SessionTest::addTypes(frmMainMenu& window)
{
    EditorWindow* types = open(window, "cmdTypes", "frmTypes");
    m_dialogs.inputs = {std::string(Knights.name), std::string(Orcs.name)};
    click(control<QPushButton>(types, QStringLiteral("Command1")));
    click(control<QPushButton>(types, QStringLiteral("Command1")));
    QCOMPARE(rows(control<QListWidget>(types, QStringLiteral("lstTypes"))), (QStringList{"Knights", "Orcs"}));
}

// The figures come from the example figure file and go to the types by two clicks and a button.
void SessionTest::setFigures(frmMainMenu& window)
{
    EditorWindow* files = open(window, "cmdFiles", "frmFiles");
    m_dialogs.files.push_back(example("figures.an8").toStdString());
    click(control<QPushButton>(files, QStringLiteral("Command2")));
    auto* figures = control<QListWidget>(files, QStringLiteral("lstFigs"));
    QCOMPARE(rows(figures), (QStringList{"knight", "archer", "orc", "troll"}));
    auto* types = control<QListWidget>(files, QStringLiteral("lstTypes"));
    for (const TypeSetup* type : {&Knights, &Orcs}) {
        clickRow(figures, type->figureRow);
        clickRow(types, type == &Knights ? 0 : 1);
        click(control<QPushButton>(files, QStringLiteral("Command1")));
    }
    QCOMPARE(rows(types), (QStringList{"Knights", "Orcs <-- uses this figure"}));
}

void SessionTest::setValues(frmMainMenu& window, const TypeSetup& type, int row)
{
    EditorWindow* types = open(window, "cmdTypes", "frmTypes");
    clickRow(control<QListWidget>(types, QStringLiteral("lstTypes")), row);
    for (const auto& [box, text] : type.boxes)
        typeInto(control<QLineEdit>(types, QLatin1String(box)), QLatin1String(text));
    click(control<QPushButton>(types, QStringLiteral("cmdApply")));
}

// The script is pasted from an example file, as a user copies one in.
void SessionTest::writeScript(frmMainMenu& window, const TypeSetup& type, int row)
{
    EditorWindow* ai = open(window, "cmdAI", "frmAI");
    clickRow(control<QListWidget>(ai, QStringLiteral("lstTypes")), row);
    auto* editor = control<QPlainTextEdit>(ai, QStringLiteral("txtAI"));
    editor->setFocus();
    editor->selectAll();
    QApplication::clipboard()->setText(QString::fromUtf8(contents(example(type.script))));
    QTest::keyClick(editor, Qt::Key_V, Qt::ControlModifier);
    click(control<QPushButton>(ai, QStringLiteral("Command1")));
}

void SessionTest::deploy(frmMainMenu& window, const TypeSetup& type)
{
    EditorWindow* pos = open(window, "cmdPos", "frmPos");
    auto* list = control<QListWidget>(pos, type.team == 1 ? QStringLiteral("lstT1") : QStringLiteral("lstT2"));
    clickRow(list, 0);
    auto* map = control<DeploymentMap>(pos, QStringLiteral("Picture1"));
    for (const QPointF& corner : type.corners)
        QTest::mouseClick(map, Qt::LeftButton, {}, map->toWidget(corner).toPoint());
    QCOMPARE(control<QLabel>(pos, QStringLiteral("lblIns"))->text(), QStringLiteral("Unit successfully deployed"));
}

void SessionTest::aBattleBuiltInTheWindowsRunsAsTheCommandLineRunsIt()
{
    QTemporaryDir dir;
    const QString project = dir.filePath(QStringLiteral("battle.kst"));
    {
        frmMainMenu window(m_dialogs);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        addTypes(window);
        setFigures(window);
        setValues(window, Knights, 0);
        setValues(window, Orcs, 1);
        writeScript(window, Knights, 0);
        writeScript(window, Orcs, 1);
        deploy(window, Knights);
        deploy(window, Orcs);
        QCOMPARE(m_dialogs.shown, (std::vector<std::string>{"input: Enter the name of this type",
                                                             "input: Enter the name of this type", "open"}));
        activate(&window);
        QCOMPARE(control<QLineEdit>(&window, QStringLiteral("ArmyNum(1)"))->text(), QStringLiteral("3"));
        QCOMPARE(control<QLineEdit>(&window, QStringLiteral("ArmyNum(2)"))->text(), QStringLiteral("2"));
        m_dialogs.files.push_back(project.toStdString());
        window.findChild<QAction*>(QStringLiteral("cmdSave"))->trigger();
        QCOMPARE(window.windowTitle(), QStringLiteral("battle.kst - Kestrelon!"));
    }

    frmMainMenu fresh(m_dialogs);
    fresh.show();
    QVERIFY(QTest::qWaitForWindowExposed(&fresh));
    m_dialogs.files.push_back(project.toStdString());
    fresh.findChild<QAction*>(QStringLiteral("cmdLoad"))->trigger();
    const QString scene = dir.filePath(QStringLiteral("window.an8"));
    m_dialogs.files = {dir.filePath(QStringLiteral("again.kst")).toStdString(), scene.toStdString()};
    m_dialogs.silenceRequested = true; // the first Attack message is enough
    click(control<QPushButton>(&fresh, QStringLiteral("Command1")));
    QCOMPARE(contents(dir.filePath(QStringLiteral("again.kst"))), contents(project));

    QProcess cli;
    const QString cliScene = dir.filePath(QStringLiteral("cli.an8"));
    cli.start(QStringLiteral(KESTRELON_CLI), {"run", project, "-o", cliScene, "--quiet"});
    QVERIFY(cli.waitForFinished(60000));
    QCOMPARE(cli.exitCode(), 0);
    const QByteArray written = contents(scene);
    QVERIFY2(written.contains("knight001") && written.contains("orc004"), written.left(3000).constData());
    QCOMPARE(written, contents(cliScene));
    QVERIFY(written.contains(control<QPlainTextEdit>(&fresh, QStringLiteral("txtDump"))->toPlainText().toUtf8()));
}

QTEST_MAIN(SessionTest)
#include "SessionTest.moc"
