// The Preview window driven as a user does: the slider picks the frame, Play runs the frames
// on and Pause stops them, the map's pixels show each unit in its army's colour where the
// recording puts it, at any window size with the map in proportion, and the unit under the
// pointer is named. It also leaves a picture of the example battle for the guide.
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
#include <QPushButton>
#include <QSlider>
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
    void pictureOfTheExampleBattle();

private:
    QColor colourAt(double x, double z);
    PreviewCanvas* canvas() { return control<PreviewCanvas>(m_window.get(), QStringLiteral("picMap")); }
    QSlider* slider() { return control<QSlider>(m_window.get(), QStringLiteral("sldFrame")); }

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

// The example battle as the guide shows it: the run recorded, frame 100 shown.
void frmPreviewTest::pictureOfTheExampleBattle()
{
    const kestrelon::Project project = kestrelon::LoadProject(KESTRELON_EXAMPLES "/battle.kst");
    kestrelon::testing::ScriptedDialogs dialogs;
    kestrelon::FileDialogState projectDialog;
    sim::RunOptions options;
    options.saveProject = false;
    options.writeScene = false;
    options.attackMessages = false;
    options.record = true;
    sim::BattleRun run(project, dialogs, projectDialog, "150", options);
    kestrelon::RandomGenerator random = kestrelon::RandomGenerator::repeatable(7);
    run.useRandomGenerator(random);
    QCOMPARE(run.run(), sim::RunOutcome::Completed);
    m_window->setRecording(std::make_shared<const sim::BattleRecording>(*run.takeRecording()));
    m_window->resize(780, 680);
    slider()->setValue(100);
    QTest::mouseMove(canvas(), canvas()->widgetPoint(-20, -110).toPoint());
    QDir().mkpath(QStringLiteral(KESTRELON_DOC_IMAGES));
    QVERIFY(m_window->grab().save(QStringLiteral(KESTRELON_DOC_IMAGES "/preview-window.png")));
}

QTEST_MAIN(frmPreviewTest)
#include "frmPreviewTest.moc"
