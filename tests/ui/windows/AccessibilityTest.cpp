// What a screen reader hears: every box, list, button and the map of every window has a name,
// the boxes named by their labels, the unlabelled controls by what they are for. Qt hands the
// same names to AT-SPI, which is also how accessibility-based GUI tests find the controls.
#include "support/ScriptedDialogs.h"
#include "ui/windows/EditorWindow.h"
#include "ui/windows/frmMainMenu.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QtTest>

using kestrelon::testing::ScriptedDialogs;
using kestrelon::ui::frmMainMenu;

namespace {

QString accessibleName(QObject* object)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(object);
    return face ? face->text(QAccessible::Name) : QString();
}

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void controlsAreNamedByLabelOrPurpose_data();
    void controlsAreNamedByLabelOrPurpose();
    void noControlOfAnyWindowIsNameless();

private:
    QWidget* window(const QString& name) const
    {
        return name == m_main->objectName() ? static_cast<QWidget*>(m_main.get()) : m_main->editor(name);
    }

    ScriptedDialogs m_dialogs;
    std::unique_ptr<frmMainMenu> m_main;
};

void AccessibilityTest::initTestCase()
{
    m_main = std::make_unique<frmMainMenu>(m_dialogs);
    m_main->show();
    for (const char* item : {"cmdTypes", "cmdArmies", "cmdFiles", "cmdAI", "cmdPos"})
        m_main->findChild<QAction*>(QLatin1String(item))->trigger();
}

void AccessibilityTest::cleanupTestCase()
{
    m_main.reset();
}

void AccessibilityTest::controlsAreNamedByLabelOrPurpose_data()
{
    QTest::addColumn<QString>("owner");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    QTest::newRow("frame count") << "frmMainMenu" << "txtFrames" << "Frames:";
    QTest::newRow("army 1") << "frmMainMenu" << "ArmyNum(1)" << "Units (Army 1)";
    QTest::newRow("output") << "frmMainMenu" << "txtDump" << "Output";
    QTest::newRow("run") << "frmMainMenu" << "Command1" << "Run";
    QTest::newRow("acceleration") << "frmTypes" << "txtAccel" << "Acceleration";
    QTest::newRow("units in action") << "frmTypes" << "txtProportion" << "# in action:";
    QTest::newRow("figure") << "frmTypes" << "txtFig" << "Figure used";
    QTest::newRow("apply") << "frmTypes" << "cmdApply" << "Apply Changes";
    QTest::newRow("teams") << "frmArmies" << "lstTeams" << "Teams";
    QTest::newRow("figures") << "frmFiles" << "lstFigs" << "Figures";
    QTest::newRow("open file") << "frmFiles" << "Command2" << "Open File";
    QTest::newRow("script") << "frmAI" << "txtAI" << "Script";
    QTest::newRow("save code") << "frmAI" << "Command1" << "Save Code";
    QTest::newRow("team 1 types") << "frmPos" << "lstT1" << "Team 1 Types";
    QTest::newRow("team 2 types") << "frmPos" << "lstT2" << "Team 2 Types";
    QTest::newRow("map") << "frmPos" << "Picture1" << "Map";
}

void AccessibilityTest::controlsAreNamedByLabelOrPurpose()
{
    QFETCH(QString, owner);
    QFETCH(QString, control);
    QFETCH(QString, name);
    QWidget* found = window(owner)->findChild<QWidget*>(control);
    QVERIFY2(found, qPrintable(control));
    QCOMPARE(accessibleName(found), name);
}

// Every box, list and button of all six windows, and every menu item, can be told apart by ear.
void AccessibilityTest::noControlOfAnyWindowIsNameless()
{
    for (const char* name : {"frmMainMenu", "frmTypes", "frmArmies", "frmFiles", "frmAI", "frmPos"}) {
        QWidget* shown = window(QLatin1String(name));
        QVERIFY(shown);
        QVERIFY2(!accessibleName(shown).isEmpty(), name);
        for (QWidget* child : shown->findChildren<QWidget*>()) {
            const bool control = qobject_cast<QLineEdit*>(child) || qobject_cast<QPlainTextEdit*>(child) ||
                                 qobject_cast<QListWidget*>(child) || qobject_cast<QAbstractButton*>(child);
            if (control && child->isVisibleTo(shown))
                QVERIFY2(!accessibleName(child).isEmpty(), qPrintable(QLatin1String(name) + ' ' + child->objectName()));
        }
    }
    for (QAction* item : m_main->findChildren<QAction*>()) {
        if (!item->isSeparator())
            QVERIFY2(!item->text().isEmpty(), qPrintable(item->objectName()));
    }
}

QTEST_MAIN(AccessibilityTest)
#include "AccessibilityTest.moc"
