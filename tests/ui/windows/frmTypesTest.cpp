// The unit-type editor driven as a user drives it: choosing types, adding them, typing into the
// boxes and applying, checked against the project and the exact texts shown.
#include "model/ProjectFile.h"
#include "platform/NumberFormatting.h"
#include "support/ScriptedDialogs.h"
#include "ui/windows/WindowDriver.h"
#include "ui/windows/frmTypes.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <memory>

using namespace kestrelon;
using namespace kestrelon::testing;
using kestrelon::ui::frmTypes;
using kestrelon::ui::ProjectSession;

namespace {

// The boxes top to bottom with their labels.
const QStringList BoxNames{"txtAccel", "txtMaxSpeed", "txtMaxLife", "txtArmor", "txtProportion",
                           "txtAttackAnim", "txtDamage", "txtRange", "txtFig", "txtTeam"};
const QStringList BoxLabels{"Acceleration", "Maximum Speed", "Maximum Life", "Armor", "# in action:",
                            "Name of Attack Anim", "Damage Done", "Maximum Range", "Figure used", "Team"};
const QString NoFigure = QStringLiteral("That figure does not exist");

// The type's numbers in the order of their boxes, in the form the boxes show them.
QStringList numbers(const UnitType& t)
{
    QStringList result;
    for (double value : {t.Accel, t.MaxSpeed, double(t.Maxlife), double(t.Armor), t.Proportion, double(t.Damage),
                         t.Range, double(t.Team)})
        result << QString::fromStdString(formatDouble(value));
    return result;
}

// Key clicks carry only ASCII: other letters arrive as a paste over the box's text.
void enter(QLineEdit* box, const QString& text)
{
    typeInto(box, QString());
    box->insert(text);
}

QStringList texts(const std::vector<std::string>& entries)
{
    QStringList result;
    for (const std::string& entry : entries)
        result << QString::fromStdString(entry);
    return result;
}

} // namespace

class frmTypesTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void controlsCarryTheirNamesAndLabels();
    void choosingATypeShowsItsValues();
    void duplicateNamesReachTheLaterType();
    void arrowKeysChooseTypes();
    void addTypeAsksForAName_data();
    void addTypeAsksForAName();
    void addedTypeIsNotChosen();
    void applyWritesTheNumbersFieldsCanTake_data();
    void applyWritesTheNumbersFieldsCanTake();
    void applyLooksUpTheFigure_data();
    void applyLooksUpTheFigure();
    void applyWithoutChosenTypeOnlyChecksTheFigure();
    void untouchedAttackAnimKeepsItsBytes();
    void loadForgetsTheChosenType();
    void returnInABoxApplies();

private:
    QLineEdit* box(const QString& name) { return control<QLineEdit>(m_window.get(), name); }
    QListWidget* list() { return control<QListWidget>(m_window.get(), "lstTypes"); }
    void apply() { click(control<QPushButton>(m_window.get(), "cmdApply")); }
    QStringList boxTexts();
    UnitType& type(int i) { return m_session->project().UnitTypes[i]; }

    std::unique_ptr<ProjectSession> m_session;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    std::unique_ptr<frmTypes> m_window;
};

// Knight, Archer, Knight; the catalogue holds soldier and horse.
void frmTypesTest::init()
{
    m_session = std::make_unique<ProjectSession>();
    m_dialogs = std::make_unique<ScriptedDialogs>();
    Project& project = m_session->project();
    project.addType("Knight");
    project.addType("Archer");
    project.addType("Knight");
    project.addFigure("soldier");
    project.addFigure("horse");
    type(1).Maxlife = 100;
    UnitType& archer = type(2);
    archer.Accel = 0.1, archer.MaxSpeed = 1e20, archer.Maxlife = 100, archer.Armor = -3;
    archer.AttackAnim = "Shoot", archer.Damage = 7, archer.Proportion = 2.5, archer.Range = 12.25;
    archer.Figure = "soldier", archer.FigureIndex = 1, archer.Team = 1;
    type(3).Maxlife = 50, type(3).Figure = "horse", type(3).FigureIndex = 2, type(3).Team = 2;
    m_window = std::make_unique<frmTypes>(*m_session, *m_dialogs);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    activate(m_window.get());
}

void frmTypesTest::cleanup()
{
    m_window.reset();
    m_dialogs.reset();
    m_session.reset();
}

QStringList frmTypesTest::boxTexts()
{
    QStringList result;
    for (const QString& name : BoxNames)
        result << box(name)->text();
    return result;
}

void frmTypesTest::controlsCarryTheirNamesAndLabels()
{
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Form1"));
    QCOMPARE(control<QPushButton>(m_window.get(), "Command1")->text(), QStringLiteral("Add Type"));
    QCOMPARE(control<QPushButton>(m_window.get(), "cmdApply")->text(), QStringLiteral("Apply Changes"));
    for (const QLabel* label : m_window->findChildren<QLabel*>())
        QCOMPARE(label->text(), BoxLabels.at(BoxNames.indexOf(label->buddy()->objectName())));
    QCOMPARE(m_window->findChildren<QLabel*>().size(), BoxNames.size());
    QCOMPARE(rows(list()), QStringList({"Knight", "Archer", "Knight"}));
}

void frmTypesTest::choosingATypeShowsItsValues()
{
    clickRow(list(), 1);
    QCOMPARE(boxTexts(), QStringList({"0.1", "1E+20", "100", "-3", "2.5", "Shoot", "7", "12.25", "soldier", "1"}));
    activate(m_window.get());
    QCOMPARE(list()->currentRow(), 1);
}

void frmTypesTest::duplicateNamesReachTheLaterType()
{
    clickRow(list(), 0);
    QCOMPARE(boxTexts(), QStringList({"0", "0", "50", "0", "0", "", "0", "0", "horse", "2"}));
    typeInto(box("txtArmor"), "9");
    apply();
    QCOMPARE(type(3).Armor, 9);
    QCOMPARE(type(1).Armor, 0);
}

void frmTypesTest::arrowKeysChooseTypes()
{
    box("txtTeam")->setFocus();
    list()->setFocus(Qt::TabFocusReason);
    QVERIFY(list()->hasFocus());
    QCOMPARE(boxTexts(), QStringList(BoxNames.size(), QString()));
    QTest::keyClick(list(), Qt::Key_Down);
    QCOMPARE(box("txtMaxLife")->text(), QStringLiteral("50"));
    QTest::keyClick(list(), Qt::Key_Down);
    QCOMPARE(box("txtAttackAnim")->text(), QStringLiteral("Shoot"));
}

void frmTypesTest::addTypeAsksForAName_data()
{
    QTest::addColumn<bool>("cancelled");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QStringList>("expectedRows");
    const QStringList before{"Knight", "Archer", "Knight"};
    QTest::newRow("named") << false << "Pikeman" << before + QStringList{"Pikeman"};
    QTest::newRow("empty answer") << false << "" << before + QStringList{""};
    QTest::newRow("name in use") << false << "Archer" << before + QStringList{"Archer"};
    QTest::newRow("cancelled") << true << "" << before;
}

void frmTypesTest::addTypeAsksForAName()
{
    QFETCH(bool, cancelled);
    QFETCH(QString, answer);
    QFETCH(QStringList, expectedRows);
    QSignalSpy edits(m_session.get(), &ProjectSession::edited);
    m_dialogs->inputs.push_back(cancelled ? std::nullopt : std::optional(answer.toStdString()));
    click(control<QPushButton>(m_window.get(), "Command1"));
    QCOMPARE(texts(m_dialogs->shown), QStringList{"input: Enter the name of this type"});
    QCOMPARE(rows(list()), expectedRows);
    QCOMPARE(qsizetype(m_session->project().NumTypes()), expectedRows.size());
    QCOMPARE(edits.count(), cancelled ? 0 : 1);
    if (!cancelled)
        QCOMPARE(type(4), UnitType{});
}

void frmTypesTest::addedTypeIsNotChosen()
{
    clickRow(list(), 1);
    m_dialogs->inputs.push_back("Pikeman");
    click(control<QPushButton>(m_window.get(), "Command1"));
    QCOMPARE(list()->currentRow(), 1);
    typeInto(box("txtArmor"), "5");
    apply();
    QCOMPARE(type(2).Armor, 5);
    QCOMPARE(type(4), UnitType{});
}

void frmTypesTest::applyWritesTheNumbersFieldsCanTake_data()
{
    QTest::addColumn<QStringList>("entries"); // box, text, box, text ...
    QTest::addColumn<QStringList>("expected"); // Accel MaxSpeed Maxlife Armor Proportion Damage Range Team
    QTest::addColumn<QString>("expectedMessage");
    const QString range = QStringLiteral("outside the range of whole numbers (-2147483648 to 2147483647)");
    using L = QStringList;
    QTest::newRow("unchanged") << L() << L{"0.1", "1E+20", "100", "-3", "2.5", "7", "12.25", "1"} << "";
    QTest::newRow("halves to even") << L{"txtArmor", "2.5", "txtDamage", "3.5", "txtMaxLife", "-7.5"}
                                    << L{"0.1", "1E+20", "-8", "2", "2.5", "4", "12.25", "1"} << "";
    QTest::newRow("number forms") << L{"txtAccel", " 1.75 ", "txtProportion", "1,000", "txtRange", "1E3", "txtTeam",
                                       "&H2"}
                                  << L{"1.75", "1E+20", "100", "-3", "1000", "7", "1000", "2"} << "";
    QTest::newRow("edges of whole numbers") << L{"txtDamage", "-2147483648", "txtTeam", "2147483647.4"}
                                            << L{"0.1", "1E+20", "100", "-3", "2.5", "-2147483648", "12.25",
                                                 "2147483647"} << "";
    QTest::newRow("words and empty boxes stay silent")
        << L{"txtMaxSpeed", "fast", "txtMaxLife", "", "txtRange", "1E+400x", "txtArmor", "1e", "txtTeam", "4"}
        << L{"0.1", "1E+20", "100", "-3", "2.5", "7", "12.25", "4"} << "";
    QTest::newRow("one whole number") << L{"txtMaxLife", "3000000000", "txtArmor", "5"}
                                      << L{"0.1", "1E+20", "100", "5", "2.5", "7", "12.25", "1"}
                                      << "The number in \"Maximum Life\" is " + range + "; that value was not changed.";
    QTest::newRow("two whole numbers") << L{"txtTeam", "1E+400", "txtArmor", "-2147483649"}
                                       << L{"0.1", "1E+20", "100", "-3", "2.5", "7", "12.25", "1"}
                                       << "The numbers in \"Armor\" and \"Team\" are " + range
                                              + "; those values were not changed.";
    QTest::newRow("too large") << L{"txtRange", "-1e999"} << L{"0.1", "1E+20", "100", "-3", "2.5", "7", "12.25", "1"}
                               << "The number in \"Maximum Range\" is too large; that value was not changed.";
    QTest::newRow("both kinds") << L{"txtProportion", "1E+400", "txtDamage", "2147483647.5", "txtAccel", "9e308",
                                     "txtMaxLife", "1e10", "txtMaxSpeed", "4"}
                                << L{"0.1", "4", "100", "-3", "2.5", "7", "12.25", "1"}
                                << "The numbers in \"Maximum Life\" and \"Damage Done\" are " + range
                                       + " and the numbers in \"Acceleration\" and \"# in action:\" are too large; "
                                         "those values were not changed.";
}

void frmTypesTest::applyWritesTheNumbersFieldsCanTake()
{
    QFETCH(QStringList, entries);
    QFETCH(QStringList, expected);
    QFETCH(QString, expectedMessage);
    clickRow(list(), 1);
    const UnitType before = type(2);
    QSignalSpy edits(m_session.get(), &ProjectSession::edited);
    for (int i = 0; i < entries.size(); i += 2)
        typeInto(box(entries[i]), entries[i + 1]);
    apply();
    QCOMPARE(numbers(type(2)), expected);
    QCOMPARE(edits.count(), numbers(before) == expected ? 0 : 1);
    const QStringList expectedShown{"message: " + expectedMessage};
    QCOMPARE(texts(m_dialogs->shown), expectedMessage.isEmpty() ? QStringList() : expectedShown);
}

void frmTypesTest::applyLooksUpTheFigure_data()
{
    QTest::addColumn<QStringList>("catalogue");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expectedFigure");
    QTest::addColumn<int>("expectedIndex");
    QTest::addColumn<QStringList>("expectedShown");
    QTest::newRow("other case") << QStringList{"horse", "soldier"} << "SOLDIER" << "soldier" << 2 << QStringList();
    QTest::newRow("last match wins") << QStringList{"Horse", "soldier", "HORSE"} << "horse" << "HORSE" << 3
                                     << QStringList();
    QTest::newRow("beyond ASCII") << QStringList{"Kämpfer"} << "KÄMPFER" << "Kämpfer" << 1 << QStringList();
    QTest::newRow("not found") << QStringList{"soldier"} << "dragon" << "soldier" << 1
                               << QStringList{"message: " + NoFigure};
    QTest::newRow("empty catalogue") << QStringList() << "soldier" << "soldier" << 1
                                     << QStringList{"message: " + NoFigure};
}

void frmTypesTest::applyLooksUpTheFigure()
{
    QFETCH(QStringList, catalogue);
    QFETCH(QString, typed);
    QFETCH(QString, expectedFigure);
    QFETCH(int, expectedIndex);
    QFETCH(QStringList, expectedShown);
    m_session->project().FigureNames = {};
    for (const QString& name : catalogue)
        m_session->project().addFigure(name.toStdString());
    clickRow(list(), 1);
    enter(box("txtFig"), typed);
    typeInto(box("txtDamage"), "8");
    apply();
    QCOMPARE(QString::fromStdString(type(2).Figure), expectedFigure);
    QCOMPARE(type(2).FigureIndex, expectedIndex);
    QCOMPARE(type(2).Damage, 8);
    QCOMPARE(texts(m_dialogs->shown), expectedShown);
}

void frmTypesTest::applyWithoutChosenTypeOnlyChecksTheFigure()
{
    const Project before = m_session->project();
    for (const QString& name : BoxNames)
        typeInto(box(name), "3e10");
    apply();
    QCOMPARE(m_session->project(), before);
    QCOMPARE(texts(m_dialogs->shown), QStringList{"message: " + NoFigure});
}

void frmTypesTest::untouchedAttackAnimKeepsItsBytes()
{
    type(2).AttackAnim = "\xE9p\xE9" "e"; // Windows-1252, as older projects hold it
    clickRow(list(), 1);
    QCOMPARE(box("txtAttackAnim")->text(), QStringLiteral("épée"));
    apply();
    QCOMPARE(type(2).AttackAnim, std::string("\xE9p\xE9" "e"));
    enter(box("txtAttackAnim"), "Épée");
    apply();
    QCOMPARE(type(2).AttackAnim, std::string("\xC9p\xE9" "e"));
}

void frmTypesTest::loadForgetsTheChosenType()
{
    QTemporaryDir folder;
    const std::string path = folder.filePath("dragons.kst").toStdString();
    Project saved;
    saved.addType("Dragon");
    SaveProject(saved, path);
    clickRow(list(), 2);
    m_dialogs->files.push_back(path);
    QVERIFY(m_session->load(*m_dialogs));
    QCOMPARE(rows(list()), QStringList{"Dragon"});
    QCOMPARE(boxTexts(), QStringList(BoxNames.size(), QString()));
    typeInto(box("txtArmor"), "5");
    apply();
    QCOMPARE(m_session->project(), saved);
    QCOMPARE(texts(m_dialogs->shown), QStringList({"open", "message: " + NoFigure}));
}

void frmTypesTest::returnInABoxApplies()
{
    clickRow(list(), 1);
    typeInto(box("txtTeam"), "2");
    QTest::keyClick(box("txtTeam"), Qt::Key_Return);
    QCOMPARE(type(2).Team, 2);
}

QTEST_MAIN(frmTypesTest)
#include "frmTypesTest.moc"
