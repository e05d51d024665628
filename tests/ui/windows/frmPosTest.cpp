// The positioning window driven as a user does: a type chosen in a team list, two presses on
// the map at exact map points, and the box then found in the project; the instruction and
// pointer lines' exact texts; the crosses drawn again from the project after a resize.
#include "model/ProjectFile.h"
#include "support/ScriptedDialogs.h"
#include "ui/windows/DeploymentMap.h"
#include "ui/windows/frmPos.h"
#include "ui/windows/WindowDriver.h"

#include <QLabel>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QtTest>

#include <climits>
#include <memory>

using namespace kestrelon;
using namespace kestrelon::testing;
using kestrelon::ui::DeploymentMap;
using kestrelon::ui::frmPos;
using kestrelon::ui::ProjectSession;

namespace {

const QString NoInstructions = QStringLiteral("Instructions will appear here");
const QString SecondCorner = QStringLiteral("Now select the bottom right corner of the deployment box.");
const QString Deployed = QStringLiteral("Unit successfully deployed");

QString team1Request(const QString& name)
{
    return "You have selected " + name + " select the top left corner of that units deployment box";
}

QString team2Request(const QString& name)
{
    return "You have selected " + name + " select the top left of that unit's deployment zone";
}

struct TeamMember {
    const char* name;
    int team;
};

// A project of the given types and the window on it, shown with a drawing area 500 pixels
// wide: two map units a pixel across, so halves of a unit fall on exact pixel positions.
struct PosWindow {
    ProjectSession session;
    ScriptedDialogs dialogs;
    std::unique_ptr<frmPos> window;

    explicit PosWindow(std::initializer_list<TeamMember> types)
    {
        for (const TeamMember& member : types)
            session.project().UnitTypes[session.project().addType(member.name)].Team = member.team;
        window = std::make_unique<frmPos>(session, dialogs);
        window->show();
        if (QTest::qWaitForWindowExposed(window.get()))
            fitDrawingWidth(500);
    }

    void fitDrawingWidth(int width)
    {
        window->resize(window->width(), 900);
        window->resize(window->width() - int(map()->drawingArea().width()) + width, 900);
    }

    UnitType& type(int i) { return session.project().UnitTypes[i]; }
    DeploymentMap* map() { return control<DeploymentMap>(window.get(), QStringLiteral("Picture1")); }
    QListWidget* list(const char* name) { return control<QListWidget>(window.get(), QLatin1String(name)); }
    QString label(const char* name) { return control<QLabel>(window.get(), QLatin1String(name))->text(); }

    // Where a map point lies on the map widget, from the drawing area's own extent.
    QPointF pixelAt(double x, double y)
    {
        const QRectF area = map()->drawingArea();
        return {area.left() + (x + 500) * area.width() / 1000, area.top() + (y + 500) * area.height() / (4875 / 5.475)};
    }

    void mouse(QEvent::Type type, QPointF position, Qt::MouseButton button, Qt::MouseButtons buttons)
    {
        QMouseEvent event(type, position, map()->mapToGlobal(position), button, buttons, Qt::NoModifier);
        QApplication::sendEvent(map(), &event);
    }

    void clickPixel(QPointF position, Qt::MouseButton button = Qt::LeftButton)
    {
        mouse(QEvent::MouseButtonPress, position, button, button);
        mouse(QEvent::MouseButtonRelease, position, button, Qt::NoButton);
    }
    void clickMap(double x, double y) { clickPixel(pixelAt(x, y)); }
    void movePointer(QPointF position) { mouse(QEvent::MouseMove, position, Qt::NoButton, Qt::NoButton); }

    void choose(const char* listName, int row) { clickRow(list(listName), row); }
};

bool boxIs(const UnitType& type, int left, int top, int width, int height)
{
    return type.DeployLeft == left && type.DeployTop == top && type.DeployWidth == width
           && type.DeployHeight == height;
}

void setBox(UnitType& type, int left, int top, int width, int height)
{
    type.DeployLeft = left;
    type.DeployTop = top;
    type.DeployWidth = width;
    type.DeployHeight = height;
}

// Whether that colour is drawn at the point or right beside it.
bool drawnNear(const QImage& image, QPointF point, const QColor& colour)
{
    for (int dx = -2; dx <= 2; ++dx)
        for (int dy = -2; dy <= 2; ++dy)
            if (image.pixelColor(int(point.x()) + dx, int(point.y()) + dy) == colour)
                return true;
    return false;
}

} // namespace

class frmPosTest : public QObject {
    Q_OBJECT

private slots:
    void windowShowsItsControlsAndTexts();
    void mapKeepsItsProportionsAtEverySize();
    void typesAreListedByTeam();
    void choosingATypeAsksForTheFirstCorner_data();
    void choosingATypeAsksForTheFirstCorner();
    void twoClicksStoreTheBox_data();
    void twoClicksStoreTheBox();
    void mapClicksWithoutAChosenTypeDoNothing();
    void typesCanBeChosenWithTheKeyboard();
    void duplicateNamesDeployTheLaterType();
    void choosingAnotherTypeStartsItsOwnBox();
    void pointerPositionIsShown_data();
    void pointerPositionIsShown();
    void theBorderIsNotPartOfTheMap();
    void crossesAreDrawnAgainAfterAResize();
    void hugeLoadedBoxesAreDrawnWithoutHarm();
    void loadingAProjectStartsOver();
    void reopeningListsTheTypesAnew();
};

void frmPosTest::windowShowsItsControlsAndTexts()
{
    PosWindow pos({});
    QCOMPARE(pos.window->objectName(), QStringLiteral("frmPos"));
    QCOMPARE(pos.window->windowTitle(), QStringLiteral("Form1"));
    QCOMPARE(pos.label("lblIns"), NoInstructions);
    QCOMPARE(pos.label("lblMousePos"), QString());
    QCOMPARE(pos.label("Label1"), QStringLiteral("Team 1 Types"));
    QCOMPARE(pos.label("Label2"), QStringLiteral("Team 2 Types"));
    QCOMPARE(control<QLabel>(pos.window.get(), QStringLiteral("Label1"))->buddy(), pos.list("lstT1"));
    QCOMPARE(control<QLabel>(pos.window.get(), QStringLiteral("Label2"))->buddy(), pos.list("lstT2"));
    QCOMPARE(pos.map()->accessibleName(), QStringLiteral("Map"));
    QVERIFY(!pos.map()->accessibleDescription().isEmpty());
    QCOMPARE(pos.map()->frameWidth(), 2);
}

void frmPosTest::mapKeepsItsProportionsAtEverySize()
{
    ProjectSession session;
    ScriptedDialogs dialogs;
    frmPos window(session, dialogs);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto* map = control<DeploymentMap>(&window, QStringLiteral("Picture1"));
    QVERIFY(window.width() <= 1366 && window.frameGeometry().height() <= 768);
    QVERIFY(map->drawingArea().width() > 493 && map->drawingArea().height() > 325);

    for (const QSize size : {window.minimumSizeHint(), QSize(1300, 720), QSize(700, 1000)}) {
        window.resize(size);
        const QRectF area = map->drawingArea();
        QVERIFY(area.width() >= 493 && area.height() >= 325);
        QVERIFY(qAbs(area.height() - area.width() * 4875 / 7395) <= 1);
        QVERIFY(map->geometry().bottom() < window.height());
    }
    QVERIFY(map->drawingArea().width() > 600);
}

void frmPosTest::typesAreListedByTeam()
{
    PosWindow pos({{"Archer", 1}, {"Knight", 2}, {"Peasant", 0}, {"Pikeman", 1}, {"Ghost", 3}, {"Rogue", -1}});
    QCOMPARE(rows(pos.list("lstT1")), (QStringList{"Archer", "Pikeman"}));
    QCOMPARE(rows(pos.list("lstT2")), (QStringList{"Knight", "Peasant", "Ghost", "Rogue"}));
}

void frmPosTest::choosingATypeAsksForTheFirstCorner_data()
{
    QTest::addColumn<QString>("listName");
    QTest::addColumn<QString>("instruction");
    QTest::newRow("team 1") << "lstT1" << team1Request("Archer");
    QTest::newRow("team 2") << "lstT2" << team2Request("Knight");
}

void frmPosTest::choosingATypeAsksForTheFirstCorner()
{
    QFETCH(QString, listName);
    QFETCH(QString, instruction);
    PosWindow pos({{"Archer", 1}, {"Knight", 2}});
    pos.choose(listName.toLatin1().constData(), 0);
    QCOMPARE(pos.label("lblIns"), instruction);
    pos.clickMap(-100, -200);
    QCOMPARE(pos.label("lblIns"), SecondCorner);
    QVERIFY(pos.dialogs.shown.empty());
}

void frmPosTest::twoClicksStoreTheBox_data()
{
    QTest::addColumn<QPointF>("first");
    QTest::addColumn<QPointF>("second");
    QTest::addColumn<QList<int>>("box");
    QTest::newRow("plain") << QPointF(-100, -200) << QPointF(50, 100) << QList<int>{-100, -200, 150, 300};
    QTest::newRow("10.5 goes to 10") << QPointF(10.5, 0.2) << QPointF(30, 40.2) << QList<int>{10, 0, 20, 40};
    QTest::newRow("11.5 goes to 12") << QPointF(11.5, -0.3) << QPointF(30, 40) << QList<int>{12, 0, 18, 40};
    QTest::newRow("width from the stored corner") << QPointF(10, 5) << QPointF(20.5, 15) << QList<int>{10, 5, 10, 10};
    QTest::newRow("corners the wrong way round") << QPointF(100, 200) << QPointF(-300, -400)
                                                 << QList<int>{100, 200, -400, -600};
    QTest::newRow("edges of the map") << QPointF(-500, -500) << QPointF(500, -500 + 4875 / 5.475)
                                      << QList<int>{-500, -500, 1000, 890};
}

void frmPosTest::twoClicksStoreTheBox()
{
    QFETCH(QPointF, first);
    QFETCH(QPointF, second);
    QFETCH(QList<int>, box);
    PosWindow pos({{"Archer", 1}, {"Knight", 2}});
    const QSignalSpy edits(&pos.session, &ProjectSession::edited);
    pos.choose("lstT2", 0);
    pos.clickMap(first.x(), first.y());
    QVERIFY(boxIs(pos.type(2), box[0], box[1], 0, 0));
    QCOMPARE(edits.count(), 1);
    pos.clickMap(second.x(), second.y());
    QCOMPARE(pos.label("lblIns"), Deployed);
    QCOMPARE(edits.count(), 2);
    QVERIFY(boxIs(pos.type(2), box[0], box[1], box[2], box[3]));
    QVERIFY(boxIs(pos.type(1), 0, 0, 0, 0));

    // A third click does nothing until a type is chosen again.
    pos.clickMap(0, 0);
    QCOMPARE(pos.label("lblIns"), Deployed);
    QVERIFY(boxIs(pos.type(2), box[0], box[1], box[2], box[3]));
}

void frmPosTest::mapClicksWithoutAChosenTypeDoNothing()
{
    PosWindow pos({{"Archer", 1}});
    const QSignalSpy edits(&pos.session, &ProjectSession::edited);
    pos.clickMap(-10, -10);
    pos.clickMap(10, 10);
    QCOMPARE(pos.label("lblIns"), NoInstructions);
    QVERIFY(boxIs(pos.type(1), 0, 0, 0, 0));
    QCOMPARE(edits.count(), 0);
}

void frmPosTest::typesCanBeChosenWithTheKeyboard()
{
    PosWindow pos({{"Knight", 2}, {"Ghost", 3}});
    QListWidget* list = pos.list("lstT2");
    list->setFocus(Qt::TabFocusReason); // the first entry becomes current, but is not chosen
    QCOMPARE(pos.label("lblIns"), NoInstructions);
    QTest::keyClick(list, Qt::Key_Down);
    QCOMPARE(pos.label("lblIns"), team2Request("Ghost"));
    pos.clickMap(1, 1);
    QVERIFY(boxIs(pos.type(2), 1, 1, 0, 0));
}

void frmPosTest::duplicateNamesDeployTheLaterType()
{
    PosWindow pos({{"Archer", 1}, {"Archer", 1}, {"Archer", 2}});
    QCOMPARE(rows(pos.list("lstT1")), (QStringList{"Archer", "Archer"}));
    pos.choose("lstT1", 0);
    pos.clickMap(-20, -30);
    pos.clickMap(20, 30);
    QVERIFY(boxIs(pos.type(1), 0, 0, 0, 0));
    QVERIFY(boxIs(pos.type(2), 0, 0, 0, 0));
    QVERIFY(boxIs(pos.type(3), -20, -30, 40, 60));
}

void frmPosTest::choosingAnotherTypeStartsItsOwnBox()
{
    PosWindow pos({{"Archer", 1}, {"Knight", 2}});
    pos.choose("lstT1", 0);
    pos.clickMap(-50, -60);
    pos.choose("lstT2", 0);
    QCOMPARE(pos.list("lstT1")->currentRow(), -1);
    pos.clickMap(70, 80);
    QCOMPARE(pos.label("lblIns"), SecondCorner);
    pos.clickMap(100, 120);
    QVERIFY(boxIs(pos.type(1), -50, -60, 0, 0));
    QVERIFY(boxIs(pos.type(2), 70, 80, 30, 40));

    // Choosing the same entry again draws its box anew.
    pos.choose("lstT2", 0);
    QCOMPARE(pos.label("lblIns"), team2Request("Knight"));
    pos.clickMap(0, 0);
    pos.clickMap(-2, -4);
    QVERIFY(boxIs(pos.type(2), 0, 0, -2, -4));
}

void frmPosTest::pointerPositionIsShown_data()
{
    QTest::addColumn<QPointF>("offset"); // from the drawing area's top-left, in pixels of a 500-pixel map
    QTest::addColumn<QString>("text");
    QTest::newRow("top left") << QPointF(0, 0) << "(-500, -500)";
    QTest::newRow("half a unit") << QPointF(255.25, 0) << "(10.5, -500)";
    QTest::newRow("bottom right") << QPointF(500, 330) << "(500, 390.4109)";
    QTest::newRow("seven digits") << QPointF(250, 165) << "(0, -54.79452)";
}

void frmPosTest::pointerPositionIsShown()
{
    QFETCH(QPointF, offset);
    QFETCH(QString, text);
    PosWindow pos({});
    QCOMPARE(pos.map()->drawingArea().size(), QSizeF(500, 330));
    pos.movePointer(pos.map()->drawingArea().topLeft() + offset);
    QCOMPARE(pos.label("lblMousePos"), text);
}

void frmPosTest::theBorderIsNotPartOfTheMap()
{
    PosWindow pos({{"Archer", 1}});
    pos.choose("lstT1", 0);
    const QPointF border = pos.map()->drawingArea().topLeft() - QPointF(1, 1);
    pos.movePointer(border);
    pos.clickPixel(border, Qt::RightButton);
    QCOMPARE(pos.label("lblMousePos"), QString());
    QVERIFY(boxIs(pos.type(1), 0, 0, 0, 0));
    pos.clickPixel(pos.pixelAt(1, 2), Qt::RightButton); // any button places a corner
    QVERIFY(boxIs(pos.type(1), 1, 2, 0, 0));
}

void frmPosTest::crossesAreDrawnAgainAfterAResize()
{
    PosWindow pos({{"Archer", 1}, {"Knight", 2}, {"Peasant", 0}});
    setBox(pos.type(1), -400, -400, 200, 200);
    setBox(pos.type(2), 300, 200, -200, -200);
    pos.choose("lstT2", 1);
    pos.clickMap(-100, 150);
    pos.clickMap(100, 250);

    for (const int width : {500, 700}) {
        pos.fitDrawingWidth(width);
        QCOMPARE(pos.map()->drawingArea().width(), double(width));
        const QImage image = pos.map()->grab().toImage();
        QVERIFY(drawnNear(image, pos.pixelAt(-300, -300), DeploymentMap::Team1Colour));
        QVERIFY(drawnNear(image, pos.pixelAt(200, 100), DeploymentMap::OtherTeamsColour));
        QVERIFY(drawnNear(image, pos.pixelAt(0, 200), DeploymentMap::JustDrawnColour));
        QVERIFY(!drawnNear(image, pos.pixelAt(0, -200), DeploymentMap::Team1Colour));
    }

    // A team changed in another window shows in the cross's colour at once.
    pos.type(1).Team = 0;
    pos.session.noteEdit();
    QVERIFY(drawnNear(pos.map()->grab().toImage(), pos.pixelAt(-300, -300), DeploymentMap::OtherTeamsColour));
}

void frmPosTest::hugeLoadedBoxesAreDrawnWithoutHarm()
{
    PosWindow pos({{"Archer", 1}});
    setBox(pos.type(1), INT_MAX, INT_MIN, INT_MAX, INT_MIN);
    QVERIFY(!pos.map()->grab().isNull());
    setBox(pos.type(1), -2000000000, -2000000000, 2000000000, 2000000000);
    // The far corner is (0, 0): the cross passes through the map's top-left quarter.
    const QImage image = pos.map()->grab().toImage();
    QVERIFY(drawnNear(image, pos.pixelAt(-1, -1), DeploymentMap::Team1Colour));
}

void frmPosTest::loadingAProjectStartsOver()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    Project loaded;
    loaded.UnitTypes[loaded.addType("Cavalry")].Team = 2;
    const std::string path = dir.filePath(QStringLiteral("small.kst")).toStdString();
    SaveProject(loaded, path);

    PosWindow pos({{"Archer", 1}, {"Knight", 2}, {"Ghost", 2}});
    pos.choose("lstT2", 1);
    pos.clickMap(10, 10);
    pos.dialogs.files.push_back(path);
    QVERIFY(pos.session.load(pos.dialogs));

    QCOMPARE(pos.label("lblIns"), NoInstructions);
    QCOMPARE(rows(pos.list("lstT1")), QStringList());
    QCOMPARE(rows(pos.list("lstT2")), QStringList{"Cavalry"});
    pos.clickMap(20, 20);
    QCOMPARE(pos.label("lblIns"), NoInstructions);
    QVERIFY(pos.session.project() == loaded);
}

void frmPosTest::reopeningListsTheTypesAnew()
{
    PosWindow pos({{"Archer", 1}});
    pos.choose("lstT1", 0);
    pos.movePointer(pos.pixelAt(0, 0));
    pos.session.project().UnitTypes[pos.session.project().addType("Knight")].Team = 1;
    pos.type(1).Team = 2;
    QCOMPARE(rows(pos.list("lstT1")), QStringList{"Archer"});

    QVERIFY(pos.window->close());
    pos.window->show();
    QCOMPARE(rows(pos.list("lstT1")), QStringList{"Knight"});
    QCOMPARE(rows(pos.list("lstT2")), QStringList{"Archer"});
    QCOMPARE(pos.label("lblIns"), NoInstructions);
    QCOMPARE(pos.label("lblMousePos"), QString());
    pos.clickMap(0, 0);
    QVERIFY(boxIs(pos.type(1), 0, 0, 0, 0));
}

QTEST_MAIN(frmPosTest)
#include "frmPosTest.moc"
