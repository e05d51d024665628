// The Preview window driven as a user does: the slider picks the frame, Play runs the frames
// on and Pause stops them, the map's pixels show each unit in its army's colour where the
// recording puts it, at any window size with the map in proportion, and the unit under the
// pointer is named. The Trace pane lists the turn of the unit the pointer rests on, as the run
// itself traced it. It also leaves pictures of the example battle and of the pane for the guide.
#include "model/ProjectFile.h"
#include "platform/RandomGenerator.h"
#include "preview/FrameDrawing.h"
#include "sim/BattleRun.h"
#include "support/ScriptedDialogs.h"
#include "ui/windows/PreviewCanvas.h"
#include "ui/windows/frmPreview.h"
#include "windows/WindowDriver.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QtTest>

#include <memory>

using kestrelon::testing::click;
using kestrelon::testing::control;
using kestrelon::ui::frmPreview;
using kestrelon::ui::PreviewCanvas;
namespace preview = kestrelon::preview;
namespace sim = kestrelon::sim;

namespace {

// A marcher of army 1 walking from (-100, 50) at frame 10 to (100, 50) at frame 20, a holder
// of army 2 at (200, -300) that falls at pass 12, over 30 passes.
std::shared_ptr<const sim::BattleRecording> smallBattle()
{
    auto recording = std::make_shared<sim::BattleRecording>();
    recording->passes = 30;
    recording->typeNames = {"Marchers", "Holders"};
    sim::RecordedUnit marcher;
    marcher.army = 1;
    marcher.type = 1;
    marcher.start = {-100, 50};
    marcher.positions.assign({{10, sim::MapPoint{-100, 50}}, {20, sim::MapPoint{100, 50}}});
    marcher.life = {{0, 10}};
    sim::RecordedUnit holder;
    holder.army = 2;
    holder.type = 2;
    holder.start = {200, -300};
    holder.life = {{0, 10}, {12, 0}};
    holder.fellAt = 12;
    recording->units = {marcher, holder};
    return recording;
}

QColor qColour(preview::Colour colour)
{
    return QColor(colour.r, colour.g, colour.b);
}

// A battle run as the main window runs it (by default with a generator that reads the clock),
// recorded for the preview, with traced's turns traced in the run itself: lines[p - 1] holds
// pass p's.
struct WatchedBattle {
    std::shared_ptr<const sim::BattleRecording> recording;
    std::shared_ptr<const sim::RunReplay> replay;
    std::vector<QStringList> lines;
};

WatchedBattle watchedBattle(const kestrelon::Project& project, const char* frames, std::int32_t traced,
                            kestrelon::RandomGenerator random = kestrelon::RandomGenerator(0x2468AC))
{
    kestrelon::testing::ScriptedDialogs dialogs;
    kestrelon::FileDialogState projectDialog;
    sim::RunOptions options;
    options.saveProject = false;
    options.writeScene = false;
    options.attackMessages = false;
    options.record = true;
    WatchedBattle watched;
    options.traceUnit = traced;
    options.traceLine = [&watched](const std::string& line) {
        const int pass = QString::fromStdString(line).section(QLatin1Char(' '), 1, 1).chopped(1).toInt();
        if (watched.lines.size() < static_cast<std::size_t>(pass))
            watched.lines.resize(static_cast<std::size_t>(pass));
        watched.lines[static_cast<std::size_t>(pass) - 1].append(QString::fromStdString(line));
    };
    sim::BattleRun run(project, dialogs, projectDialog, frames, options);
    run.useRandomGenerator(random);
    if (run.run() != sim::RunOutcome::Completed)
        return {};
    watched.recording = std::make_shared<const sim::BattleRecording>(*run.takeRecording());
    watched.replay = std::make_shared<const sim::RunReplay>(*run.takeReplay());
    return watched;
}

kestrelon::Project projectFile(const QString& path)
{
    return kestrelon::LoadProject(path.toStdString());
}

// A marcher walking east, a holder and a doomed unit standing apart; the marcher strikes a pose
// that Game.OneToTen picks, which stirs the clock in, so only a replay repeats its turns.
kestrelon::Project marchWithPoses()
{
    kestrelon::Project project = projectFile(QStringLiteral(KESTRELON_TEST_DATA "/preview-march.kst"));
    project.UnitTypes[1].Code +=
        "\r\nSub Pose\r\n  ThisGuy.seqOutput = ThisGuy.seqOutput & Game.DoSomething(\"pose\" & Game.OneToTen(), "
        "ThisGuy.whatFrame)\r\nEnd Sub";
    const std::string main = "Sub Main\r\n";
    project.UnitTypes[1].Code.insert(project.UnitTypes[1].Code.find(main) + main.size(), "  Pose\r\n");
    return project;
}

} // namespace

class frmPreviewTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void controlsCarryTheirNames();
    void aRecordingOpensAtItsLastFrame();
    void unitsShowInTheirArmysColourWhereTheRecordingPutsThem_data();
    void unitsShowInTheirArmysColourWhereTheRecordingPutsThem();
    void theMapKeepsItsProportionsAtAnySize();
    void playRunsTheFramesOnAndPauseStopsThem();
    void theUnitUnderThePointerIsNamed();
    void theTracePaneListsTheTurnOfTheUnitThePointerRestsOn();
    void theTracePaneSaysWhyItListsNothing();
    void pictureOfTheExampleBattle();
    void pictureOfTheTracePane();

private:
    QColor colourAt(double x, double z);
    PreviewCanvas* canvas() { return control<PreviewCanvas>(m_window.get(), QStringLiteral("picMap")); }
    QSlider* slider() { return control<QSlider>(m_window.get(), QStringLiteral("sldFrame")); }
    QString traceHeading() { return control<QLabel>(m_window.get(), QStringLiteral("lblTrace"))->text(); }
    QString traceLines() { return control<QPlainTextEdit>(m_window.get(), QStringLiteral("txtTrace"))->toPlainText(); }
    void restPointerOn(std::size_t unit);
    int frameAlone(std::size_t unit, int from);

    std::unique_ptr<frmPreview> m_window;
};

void frmPreviewTest::init()
{
    m_window = std::make_unique<frmPreview>();
    m_window->setRecording(smallBattle());
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void frmPreviewTest::cleanup()
{
    m_window.reset();
}

// The pixel of the map point as the canvas shows it now.
QColor frmPreviewTest::colourAt(double x, double z)
{
    const QImage image = canvas()->grab().toImage();
    const QPointF at = canvas()->widgetPoint(x, z) * image.devicePixelRatio();
    return image.pixelColor(static_cast<int>(at.x()), static_cast<int>(at.y()));
}

void frmPreviewTest::controlsCarryTheirNames()
{
    QCOMPARE(m_window->objectName(), QStringLiteral("frmPreview"));
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Preview"));
    QCOMPARE(control<QPushButton>(m_window.get(), QStringLiteral("cmdPlay"))->text(), QStringLiteral("Play"));
    QVERIFY(slider() && canvas());
    QVERIFY(control<QLabel>(m_window.get(), QStringLiteral("lblFrame")));
    QVERIFY(control<QLabel>(m_window.get(), QStringLiteral("lblUnit")));
    auto* speed = control<QComboBox>(m_window.get(), QStringLiteral("cboSpeed"));
    QVERIFY(speed);
    QCOMPARE(speed->currentText(), QStringLiteral("1x"));
}

void frmPreviewTest::aRecordingOpensAtItsLastFrame()
{
    QCOMPARE(slider()->minimum(), 0);
    QCOMPARE(slider()->maximum(), 30);
    QCOMPARE(slider()->value(), 30);
    QCOMPARE(m_window->frame(), 30);
    QCOMPARE(control<QLabel>(m_window.get(), QStringLiteral("lblFrame"))->text(), QStringLiteral("Frame 30"));
}

void frmPreviewTest::unitsShowInTheirArmysColourWhereTheRecordingPutsThem_data()
{
    QTest::addColumn<int>("frame");
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("z");
    QTest::addColumn<QColor>("colour");
    const QColor army1 = qColour(preview::Army1Colour);
    const QColor army2 = qColour(preview::Army2Colour);
    const QColor background = qColour(preview::BackgroundColour);
    QTest::newRow("marcher at its start") << 5 << -100.0 << 50.0 << army1;
    QTest::newRow("marcher half way") << 15 << 0.0 << 50.0 << army1;
    QTest::newRow("marcher gone from its start") << 15 << -100.0 << 50.0 << background;
    QTest::newRow("marcher at the end") << 25 << 100.0 << 50.0 << army1;
    QTest::newRow("holder alive") << 11 << 200.0 << -300.0 << army2;
    QTest::newRow("holder fallen") << 12 << 200.0 << -300.0 << qColour(preview::FallenColour);
}

void frmPreviewTest::unitsShowInTheirArmysColourWhereTheRecordingPutsThem()
{
    QFETCH(int, frame);
    QFETCH(double, x);
    QFETCH(double, z);
    QFETCH(QColor, colour);
    // Large enough that a fallen unit's cross, a pixel thick at scale 1, is not thinned away.
    m_window->resize(1100, 1000);
    QTRY_COMPARE(m_window->size(), QSize(1100, 1000));
    slider()->setValue(frame);
    QCOMPARE(m_window->frame(), frame);
    const QColor seen = colourAt(x, z);
    if (colour != qColour(preview::FallenColour)) {
        QCOMPARE(seen, colour);
        return;
    }
    // The cross's lines are a pixel thick at scale 1, thinner here: grey, partly covering.
    QVERIFY2(std::abs(seen.red() - seen.green()) < 6 && std::abs(seen.green() - seen.blue()) < 6, "grey");
    QVERIFY2(seen.red() < preview::BackgroundColour.r - 20, "darker than the map");
}

void frmPreviewTest::theMapKeepsItsProportionsAtAnySize()
{
    for (const QSize size : {QSize(1400, 600), QSize(500, 1000)}) {
        m_window->resize(size);
        QTRY_COMPARE(m_window->size(), size);
        const QPointF topLeft = canvas()->widgetPoint(preview::MapLeft, preview::MapTop);
        const QPointF bottomRight = canvas()->widgetPoint(preview::MapRight, preview::MapBottom);
        const double width = bottomRight.x() - topLeft.x();
        const double height = bottomRight.y() - topLeft.y();
        QVERIFY2(std::abs(width / height - 1000.0 / 890.41) < 1e-6, "the map keeps its proportions");
        QVERIFY(topLeft.x() >= -0.5 && topLeft.y() >= -0.5);
        QVERIFY(bottomRight.x() <= canvas()->width() + 0.5 && bottomRight.y() <= canvas()->height() + 0.5);
        QVERIFY(std::abs(width - canvas()->width()) < 1 || std::abs(height - canvas()->height()) < 1);
        slider()->setValue(25);
        QCOMPARE(colourAt(100, 50), qColour(preview::Army1Colour));
    }
}

void frmPreviewTest::playRunsTheFramesOnAndPauseStopsThem()
{
    auto* play = control<QPushButton>(m_window.get(), QStringLiteral("cmdPlay"));
    control<QComboBox>(m_window.get(), QStringLiteral("cboSpeed"))->setCurrentIndex(4); // 4x
    click(play); // from the last frame, playing starts again at the first
    QVERIFY(m_window->playing());
    QCOMPARE(play->text(), QStringLiteral("Pause"));
    QTRY_VERIFY(m_window->frame() >= 5);
    click(play);
    QVERIFY(!m_window->playing());
    QCOMPARE(play->text(), QStringLiteral("Play"));
    const int paused = m_window->frame();
    QTest::qWait(100);
    QCOMPARE(m_window->frame(), paused);
    click(play);
    QTRY_VERIFY_WITH_TIMEOUT(!m_window->playing(), 5000); // it stops at the last frame
    QCOMPARE(m_window->frame(), 30);
    QCOMPARE(play->text(), QStringLiteral("Play"));
}

void frmPreviewTest::theUnitUnderThePointerIsNamed()
{
    auto* unit = control<QLabel>(m_window.get(), QStringLiteral("lblUnit"));
    slider()->setValue(11);
    QTest::mouseMove(canvas(), canvas()->widgetPoint(200, -300).toPoint());
    QTRY_COMPARE(unit->text(), QStringLiteral("Unit 2 \u00b7 Holders \u00b7 life 10"));
    slider()->setValue(12); // it falls, and the line follows
    QCOMPARE(unit->text(), QStringLiteral("Unit 2 \u00b7 Holders \u00b7 life 0"));
    QTest::mouseMove(canvas(), canvas()->widgetPoint(0, 200).toPoint());
    QTRY_COMPARE(unit->text(), QString());
}

// Moves the pointer onto unit's place at the shown frame and waits for the window to name it.
void frmPreviewTest::restPointerOn(std::size_t unit)
{
    const sim::BattleRecording& recording = *canvas()->recording();
    const sim::MapPoint at = recording.positionAt(recording.units[unit], m_window->frame());
    QTest::mouseMove(canvas(), canvas()->widgetPoint(at.x, at.z).toPoint());
    auto* named = control<QLabel>(m_window.get(), QStringLiteral("lblUnit"));
    QTRY_VERIFY(named->text().startsWith(QStringLiteral("Unit %1 ").arg(unit + 1)));
}

// The first frame from from on where unit stands well away from every other unit, so the
// pointer on it names it and no other.
int frmPreviewTest::frameAlone(std::size_t unit, int from)
{
    const sim::BattleRecording& recording = *canvas()->recording();
    // Twice the reach of the pointer (8 pixels at scale 1), in the canvas's pixels.
    const double apart = 16 * std::abs(canvas()->widgetPoint(1, 0).x() - canvas()->widgetPoint(0, 0).x());
    for (int frame = from; frame <= recording.lastFrame(); ++frame) {
        const sim::MapPoint at = recording.positionAt(recording.units[unit], frame);
        const QPointF here = canvas()->widgetPoint(at.x, at.z);
        bool alone = true;
        for (std::size_t other = 0; other < recording.units.size() && alone; ++other) {
            const sim::MapPoint there = recording.positionAt(recording.units[other], frame);
            const QPointF point = canvas()->widgetPoint(there.x, there.z);
            alone = other == unit || std::hypot(point.x() - here.x(), point.y() - here.y()) > apart;
        }
        if (alone)
            return frame;
    }
    return -1;
}

// The pane lists what the run itself traced for the unit in the shown frame, follows the
// slider, and keeps the unit when the pointer leaves the map.
void frmPreviewTest::theTracePaneListsTheTurnOfTheUnitThePointerRestsOn()
{
    const WatchedBattle watched = watchedBattle(marchWithPoses(), "20", 1);
    QVERIFY(watched.recording && watched.replay);
    QVERIFY(!watched.replay->clockStirs.empty());
    m_window->setRecording(watched.recording, watched.replay);
    QCOMPARE(traceHeading(), QStringLiteral("Rest the pointer on a unit to list what its script did in the shown frame."));

    const int alone = frameAlone(0, 7);
    QVERIFY(alone > 0);
    slider()->setValue(alone);
    restPointerOn(0);
    QTRY_COMPARE(traceLines(), watched.lines[static_cast<std::size_t>(alone) - 1].join(QLatin1Char('\n')));
    QVERIFY(traceLines().contains(QStringLiteral("Game.OneToTen()")));
    QVERIFY(traceHeading().startsWith(QStringLiteral("Unit 1 \u00b7 Marchers in frame %1: ").arg(alone)));
    for (const int frame : {1, 12, 21}) {
        slider()->setValue(frame);
        QCOMPARE(traceLines(), watched.lines[static_cast<std::size_t>(frame) - 1].join(QLatin1Char('\n')));
    }
    QTest::mouseMove(canvas(), QPoint(1, 1));
    QTest::qWait(frmPreview::TraceDelayMs * 2);
    slider()->setValue(3);
    QCOMPARE(traceLines(), watched.lines[2].join(QLatin1Char('\n')));

    // A click follows another unit at once, without the rest.
    const sim::MapPoint holder = canvas()->recording()->positionAt(canvas()->recording()->units[1], 3);
    QTest::mouseClick(canvas(), Qt::LeftButton, {}, canvas()->widgetPoint(holder.x, holder.z).toPoint());
    QVERIFY(traceHeading().startsWith(QStringLiteral("Unit 2 \u00b7 Holders")));
    QTRY_VERIFY(traceLines().startsWith(QStringLiteral("pass 3: ThisGuy.whatFrame = 3")));
    auto* number = control<QSpinBox>(m_window.get(), QStringLiteral("spnTraceUnit"));
    QCOMPARE(number->value(), 2);

    // A unit named by number, as in a melee the pointer cannot single one out.
    number->setFocus();
    number->selectAll();
    QTest::keyClicks(number, QStringLiteral("1"));
    QVERIFY2(traceHeading().startsWith(QStringLiteral("Unit 2 ")), "a number counts once it is finished");
    QTest::keyClick(number, Qt::Key_Return);
    QTRY_COMPARE(traceLines(), watched.lines[2].join(QLatin1Char('\n')));
    QVERIFY(traceHeading().startsWith(QStringLiteral("Unit 1 \u00b7 Marchers in frame 3")));
}

void frmPreviewTest::theTracePaneSaysWhyItListsNothing()
{
    QCOMPARE(traceHeading(), QStringLiteral("Run the battle from the main window to trace its units here."));

    WatchedBattle watched = watchedBattle(marchWithPoses(), "20", 1);
    m_window->setRecording(watched.recording, watched.replay);
    slider()->setValue(0);
    QVERIFY(frameAlone(0, 0) == 0);
    restPointerOn(0);
    QTRY_COMPARE(traceHeading(), QStringLiteral("Unit 1 \u00b7 Marchers: frame 0 comes before the first turn."));
    QCOMPARE(traceLines(), QString());

    // The battle goes otherwise when run again: its lines would not be the ones watched.
    auto otherwise = std::make_shared<sim::RunReplay>(*watched.replay);
    otherwise->clockStirs.pop_back();
    m_window->setRecording(watched.recording, otherwise);
    const int alone = frameAlone(0, 1);
    QVERIFY(alone > 0);
    slider()->setValue(alone);
    restPointerOn(0);
    QTRY_VERIFY(traceHeading().startsWith(
        QStringLiteral("Unit 1 \u00b7 Marchers cannot be traced: the battle went otherwise when it was run again")));
    QCOMPARE(traceLines(), QString());
}

// The example battle as the guide shows it: the run recorded, frame 100 shown.
void frmPreviewTest::pictureOfTheExampleBattle()
{
    const WatchedBattle watched = watchedBattle(projectFile(QStringLiteral(KESTRELON_EXAMPLES "/battle.kst")), "150", 0,
                                                kestrelon::RandomGenerator::repeatable(7));
    QVERIFY(watched.recording);
    m_window->setRecording(watched.recording, watched.replay);
    m_window->resize(780, 680);
    slider()->setValue(100);
    QTest::mouseMove(canvas(), canvas()->widgetPoint(-20, -110).toPoint());
    QDir().mkpath(QStringLiteral(KESTRELON_DOC_IMAGES));
    QVERIFY(m_window->grab().save(QStringLiteral(KESTRELON_DOC_IMAGES "/preview-window.png")));
}

// The Trace pane as the scripting guide shows it: an archer of the example battle, away from
// the melee, in a frame of the battle's second half.
void frmPreviewTest::pictureOfTheTracePane()
{
    const kestrelon::Project example = projectFile(QStringLiteral(KESTRELON_EXAMPLES "/battle.kst"));
    const WatchedBattle first = watchedBattle(example, "150", 1);
    QVERIFY(first.recording);
    m_window->setRecording(first.recording, first.replay);
    m_window->resize(780, 680);
    QTRY_COMPARE(m_window->size(), QSize(780, 680));
    const auto archers = std::find(first.recording->typeNames.begin(), first.recording->typeNames.end(), "Archer");
    const auto archerType = static_cast<std::int32_t>(archers - first.recording->typeNames.begin()) + 1;
    std::size_t archer = 0;
    int alone = -1;
    for (std::size_t unit = 0; unit < first.recording->units.size() && alone < 0; ++unit) {
        if (first.recording->units[unit].type == archerType && (alone = frameAlone(unit, 75)) > 0)
            archer = unit;
    }
    QVERIFY(alone > 0);

    // The battle draws nothing from the clock, so it runs the same with the archer traced.
    const WatchedBattle watched = watchedBattle(example, "150", static_cast<std::int32_t>(archer) + 1);
    m_window->setRecording(watched.recording, watched.replay);
    slider()->setValue(alone);
    restPointerOn(archer);
    QTRY_COMPARE(traceLines(), watched.lines[static_cast<std::size_t>(alone) - 1].join(QLatin1Char('\n')));
    QDir().mkpath(QStringLiteral(KESTRELON_DOC_IMAGES));
    QVERIFY(m_window->grab().save(QStringLiteral(KESTRELON_DOC_IMAGES "/preview-trace.png")));
}

QTEST_MAIN(frmPreviewTest)
#include "frmPreviewTest.moc"
