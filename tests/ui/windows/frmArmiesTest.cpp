// The armies view driven as a user does: the teams come back on every activation, and a click
// on a team lists the types whose Team holds its number, in type order.
#include "support/ScriptedDialogs.h"
#include "ui/windows/WindowDriver.h"
#include "ui/windows/frmArmies.h"

#include <QListWidget>
#include <QtTest>

#include <memory>

using kestrelon::Project;
using kestrelon::testing::activate;
using kestrelon::testing::clickRow;
using kestrelon::testing::control;
using kestrelon::testing::rows;
using kestrelon::testing::ScriptedDialogs;
using kestrelon::ui::frmArmies;
using kestrelon::ui::ProjectSession;

namespace {

// One type per team number, armies and strays mixed.
void addTypes(Project& project)
{
    const std::pair<const char*, int> types[] = {{"Swordsman", 1}, {"Orc", 2}, {"Recruit", 0},
                                                 {"Archer", 1},    {"Ghost", 3}, {"Troll", 2},
                                                 {"Shadow", -1}};
    for (const auto& [name, team] : types)
        project.UnitTypes[project.addType(name)].Team = team;
}

} // namespace

class frmArmiesTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void listsCarryTheirNames();
    void activationListsTheTwoTeams();
    void teamClickListsItsTypes_data();
    void teamClickListsItsTypes();
    void keyboardChoosesATeam();
    void noTypesListNothing();
    void typesFollowChangesOnTheNextClick();
    void loadClearsTheTypesOfTheOldProject();

private:
    QListWidget* list(const char* name) { return control<QListWidget>(m_window.get(), QLatin1String(name)); }

    std::unique_ptr<ProjectSession> m_session;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    std::unique_ptr<frmArmies> m_window;
};

void frmArmiesTest::init()
{
    m_session = std::make_unique<ProjectSession>();
    m_dialogs = std::make_unique<ScriptedDialogs>();
    m_window = std::make_unique<frmArmies>(*m_session, *m_dialogs);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    activate(m_window.get());
}

void frmArmiesTest::cleanup()
{
    m_window.reset();
    m_dialogs.reset();
    m_session.reset();
}

void frmArmiesTest::listsCarryTheirNames()
{
    QCOMPARE(m_window->objectName(), QStringLiteral("frmArmies"));
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Form1"));
    QVERIFY(list("lstTeams") && list("lstTypes"));
    QCOMPARE(list("lstTeams")->accessibleName(), QStringLiteral("Teams"));
    QCOMPARE(list("lstTypes")->accessibleName(), QStringLiteral("Types in the team"));
    QCOMPARE(list("lstTeams")->size(), list("lstTypes")->size());
    QVERIFY(list("lstTeams")->geometry().right() < list("lstTypes")->geometry().left());
}

void frmArmiesTest::activationListsTheTwoTeams()
{
    addTypes(m_session->project());
    clickRow(list("lstTeams"), 1);

    activate(m_window.get());

    QCOMPARE(rows(list("lstTeams")), (QStringList{"1", "2"}));
    QCOMPARE(list("lstTeams")->currentRow(), -1);
    QCOMPARE(rows(list("lstTypes")), (QStringList{"Orc", "Troll"}));
    QVERIFY(m_dialogs->shown.empty());
}

void frmArmiesTest::teamClickListsItsTypes_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QStringList>("types");
    QTest::newRow("team 1") << 0 << QStringList{"Swordsman", "Archer"};
    QTest::newRow("team 2") << 1 << QStringList{"Orc", "Troll"};
}

// Types of Team 0, 3 or -1 belong to no army and are listed under neither team.
void frmArmiesTest::teamClickListsItsTypes()
{
    QFETCH(int, row);
    QFETCH(QStringList, types);
    addTypes(m_session->project());
    const Project before = m_session->project();
    clickRow(list("lstTeams"), 1 - row);

    clickRow(list("lstTeams"), row);

    QCOMPARE(rows(list("lstTypes")), types);
    QVERIFY(m_session->project() == before);
}

void frmArmiesTest::keyboardChoosesATeam()
{
    addTypes(m_session->project());
    clickRow(list("lstTeams"), 0);
    QTest::keyClick(list("lstTeams"), Qt::Key_Down);
    QCOMPARE(rows(list("lstTypes")), (QStringList{"Orc", "Troll"}));
    QTest::keyClick(list("lstTeams"), Qt::Key_Up);
    QCOMPARE(rows(list("lstTypes")), (QStringList{"Swordsman", "Archer"}));
}

void frmArmiesTest::noTypesListNothing()
{
    clickRow(list("lstTeams"), 0);
    QVERIFY(rows(list("lstTypes")).isEmpty());
}

// The unit-type editor moved a type to the other army while this window was in the back.
void frmArmiesTest::typesFollowChangesOnTheNextClick()
{
    addTypes(m_session->project());
    clickRow(list("lstTeams"), 0);
    m_session->project().UnitTypes[4].Team = 2;
    Project& project = m_session->project();
    project.UnitTypes[project.addType("Knight")].Team = 1;

    activate(m_window.get());
    QCOMPARE(rows(list("lstTypes")), (QStringList{"Swordsman", "Archer"}));

    clickRow(list("lstTeams"), 0);
    QCOMPARE(rows(list("lstTypes")), (QStringList{"Swordsman", "Knight"}));
}

// The loaded project's army 2 is Orc and Troll.
void frmArmiesTest::loadClearsTheTypesOfTheOldProject()
{
    addTypes(m_session->project());
    clickRow(list("lstTeams"), 0);

    m_dialogs->files.push_back(std::string(KESTRELON_EXAMPLES "/battle.kst"));
    QVERIFY(m_session->load(*m_dialogs));

    QVERIFY(rows(list("lstTypes")).isEmpty());
    QCOMPARE(list("lstTeams")->currentRow(), -1);
    clickRow(list("lstTeams"), 1);
    QCOMPARE(rows(list("lstTypes")), (QStringList{"Orc", "Troll"}));
}

QTEST_MAIN(frmArmiesTest)
#include "frmArmiesTest.moc"
