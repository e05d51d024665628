// The Preview's tracer on its own: a unit's trace arrives as the run itself traced it, another
// unit cancels the first one's replay, the last eight finished traces are kept, and a tracer
// let go of during a replay that would compute for an hour returns at once.
#include "model/ProjectFile.h"
#include "sim/BattleRun.h"
#include "support/ScriptedDialogs.h"
#include "ui/windows/UnitTracer.h"

#include <QSignalSpy>
#include <QtTest>

#include <memory>

using kestrelon::ui::UnitTracer;
namespace sim = kestrelon::sim;

namespace {

// The example battle run as the window runs it, with unit traced in the run itself.
struct Battle {
    std::shared_ptr<const sim::RunReplay> replay;
    std::vector<std::string> lines;
};

Battle exampleBattle(const char* frames, std::int32_t traced)
{
    const kestrelon::Project project = kestrelon::LoadProject(KESTRELON_EXAMPLES "/battle.kst");
    kestrelon::testing::ScriptedDialogs dialogs;
    kestrelon::FileDialogState projectDialog;
    Battle battle;
    sim::RunOptions options;
    options.saveProject = false;
    options.writeScene = false;
    options.attackMessages = false;
    options.record = true;
    options.traceUnit = traced;
    options.traceLine = [&battle](const std::string& line) { battle.lines.push_back(line); };
    sim::BattleRun run(project, dialogs, projectDialog, frames, options);
    kestrelon::RandomGenerator random(0x13579B);
    run.useRandomGenerator(random);
    if (run.run() == sim::RunOutcome::Completed)
        battle.replay = std::make_shared<const sim::RunReplay>(*run.takeReplay());
    return battle;
}

std::vector<std::string> allLines(const UnitTracer::Trace& trace)
{
    std::vector<std::string> lines;
    for (const auto& pass : trace.passes)
        lines.insert(lines.end(), pass.begin(), pass.end());
    return lines;
}

bool finished(const UnitTracer& tracer, std::int32_t unit)
{
    const UnitTracer::Trace* trace = tracer.traceOf(unit);
    return trace && trace->outcome.has_value();
}

} // namespace

class UnitTracerTest : public QObject {
    Q_OBJECT

private slots:
    void anotherUnitCancelsTheFirstUnitsReplay();
    void theLastEightFinishedTracesAreKept();
    void aTracerLetGoOfStopsItsReplayAtOnce();
};

void UnitTracerTest::anotherUnitCancelsTheFirstUnitsReplay()
{
    const Battle battle = exampleBattle("60", 5);
    QVERIFY(battle.replay);
    UnitTracer tracer;
    QSignalSpy changes(&tracer, &UnitTracer::traceChanged);
    tracer.setReplay(battle.replay);
    tracer.trace(9);
    tracer.trace(5);
    QVERIFY(!tracer.traceOf(9));
    QTRY_VERIFY(finished(tracer, 5));
    QCOMPARE(*tracer.traceOf(5)->outcome, sim::ReplayOutcome::Traced);
    QCOMPARE(static_cast<std::int32_t>(tracer.traceOf(5)->passes.size()), battle.replay->passes);
    QVERIFY(allLines(*tracer.traceOf(5)) == battle.lines);
    for (const QList<QVariant>& change : changes)
        QCOMPARE(change.at(0).toInt(), 5); // nothing of unit 9 arrived after its cancel

    tracer.setReplay(nullptr);
    QVERIFY(!tracer.hasReplay() && !tracer.traceOf(5));
    tracer.trace(5);
    QVERIFY(!tracer.traceOf(5));
}

void UnitTracerTest::theLastEightFinishedTracesAreKept()
{
    const Battle battle = exampleBattle("5", 1);
    UnitTracer tracer;
    tracer.setReplay(battle.replay);
    for (std::int32_t unit = 1; unit <= 9; ++unit) {
        tracer.trace(unit);
        QTRY_VERIFY(finished(tracer, unit));
        if (unit == 8)
            tracer.trace(1); // looked at again: now the most recent but one
    }
    QVERIFY(finished(tracer, 1));
    QVERIFY(!tracer.traceOf(2)); // the one longest unseen went
    for (std::int32_t unit = 3; unit <= 9; ++unit)
        QVERIFY(finished(tracer, unit));
    QVERIFY(allLines(*tracer.traceOf(1)) == battle.lines);
}

void UnitTracerTest::aTracerLetGoOfStopsItsReplayAtOnce()
{
    const Battle battle = exampleBattle("5", 1);
    auto endless = std::make_shared<sim::RunReplay>(*battle.replay);
    endless->scriptTimeLimit = std::chrono::hours(1);
    for (auto& type : endless->project.UnitTypes)
        type.Code = "Sub Main\r\n  Do\r\n  Loop\r\nEnd Sub";
    auto tracer = std::make_unique<UnitTracer>();
    tracer->setReplay(endless);
    tracer->trace(1);
    QTest::qWait(100);
    QVERIFY(!finished(*tracer, 1));
    tracer.reset(); // a hang here would outlast the test's time limit
}

QTEST_MAIN(UnitTracerTest)
#include "UnitTracerTest.moc"
