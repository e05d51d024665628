// The run, step by step. Each unit's turn clears the script host, refreshes the contacts of the
// other units, hands the host "Game" and "ThisGuy", adds the unit's script and calls its Main;
// a failure of any of these steps ends the run on the terminated path after the turn.
#include "sim/BattleRun.h"

#include "an8/SceneText.h"
#include "model/ProjectFile.h"
#include "platform/FileError.h"
#include "platform/NumberFormatting.h"
#include "platform/NumberParsing.h"
#include "platform/Rounding.h"
#include "platform/SameFile.h"
#include "platform/TextFile.h"
#include "sim/ContactRefresh.h"
#include "sim/Game.h"
#include "sim/ScriptCheck.h"
#include "sim/UnitCreation.h"
#include "vbscript/ScriptControl.h"

#include <algorithm>
#include <cassert>
#include <filesystem>
#include <new>

namespace kestrelon::sim {
namespace {

namespace fs = std::filesystem;

constexpr const char* SceneQuestion = "Select where to save the file";
constexpr const char* TerminatedMessage = "simulation terminated";
constexpr const char* CancelledMessage = "The run was cancelled. No scene was written.";

std::string terminatedMessage(const vbs::ScriptErrorInfo& error, const std::string& figure)
{
    return "Error " + error.Description + " line: " + formatInteger(error.Line) + " - " + error.Source +
           " - Failed code uses figure: " + figure;
}

vbs::ScriptErrorInfo errorInfo(const vbs::ScriptError& error)
{
    return {error.number(), error.description(), error.source(), error.line(), error.column()};
}

// The scene dialog proposes the project's name as an An8 file, never the project file itself.
FileDialogState sceneDialogFor(const FileDialogState& projectDialog)
{
    FileDialogState scene = projectDialog;
    scene.filter = "An8 scenes (*.an8)";
    scene.defaultExtension = "an8";
    scene.title.clear();
    if (!scene.fileName.empty())
        scene.fileName = fs::path(scene.fileName).replace_extension(".an8").string();
    return scene;
}

// Notes the generator's clock stirs into a replay for as long as the run lasts, however it ends.
class ClockStirNotes {
public:
    ClockStirNotes(RandomGenerator& random, std::optional<RunReplay>& replay) : m_random(random)
    {
        if (replay)
            m_random.noteClockStirs(&replay->clockStirs);
    }
    ~ClockStirNotes() { m_random.noteClockStirs(nullptr); }
    ClockStirNotes(const ClockStirNotes&) = delete;
    ClockStirNotes& operator=(const ClockStirNotes&) = delete;

private:
    RandomGenerator& m_random;
};

} // namespace

std::optional<std::int32_t> readFrameCount(std::string_view frameText)
{
    const double value = readLeadingNumber(frameText);
    if (value < 0)
        return 0; // any count below 1 makes one pass
    const auto frames = tryRoundToInt32(value);
    if (!frames || *frames > MaxFrames)
        return std::nullopt;
    return frames;
}

BattleRun::BattleRun(const Project& project, Dialogs& dialogs, FileDialogState& projectDialog, std::string frameText,
                     RunOptions options, RunObserver* observer)
    : m_project(project),
      m_dialogs(dialogs),
      m_projectDialog(projectDialog),
      m_frameText(std::move(frameText)),
      m_options(std::move(options)),
      m_observer(observer),
      m_random(&programRandom())
{
}

BattleRun::~BattleRun() = default;

RunOutcome BattleRun::run()
{
    // The frame count is read before anything else happens, so a count that cannot be run
    // changes nothing at all.
    const auto frames = readFrameCount(m_frameText);
    if (!frames) {
        m_dialogs.message("The number of frames is too large: " + m_frameText + " (a run makes at most " +
                          formatInteger(MaxFrames) + " frames)");
        return RunOutcome::NotStarted;
    }
    if (m_options.saveProject) {
        if (const auto stopped = saveProject())
            return *stopped;
    }
    if (m_options.scenePath && refuseSceneOverProject(*m_options.scenePath))
        return RunOutcome::NotStarted;
    try {
        if (m_options.record)
            m_replay = RunReplay{m_project, m_frameText, m_options.scriptTimeLimit, m_random->state(), {}};
        const ClockStirNotes notes(*m_random, m_replay);
        const RunOutcome outcome = runBattle(*frames);
        // Whatever became of the scene, a run whose frames completed can be run again.
        if (m_recording && m_replay) {
            m_replay->passes = m_passes;
            m_replay->outputSize = m_outputSize;
        } else {
            m_replay.reset();
        }
        return outcome;
    } catch (const std::bad_alloc&) {
        return outOfMemory();
    }
}

// The run proper, once nothing stands in its way: the script check, the units, the frames
// and the scene.
RunOutcome BattleRun::runBattle(std::int32_t frames)
{
    vbs::ScriptControl host;
    configureHost(host);
    m_game = std::make_shared<Game>(m_avatars, m_options.attackMessages ? &m_dialogs : nullptr, *m_random);
    checkTypeScripts(host);
    if (!buildUnits())
        return RunOutcome::NotStarted;
    if (m_options.record)
        m_recorder.emplace().unitsBuilt(m_project, m_avatars);
    startTrace();
    openUnitTexts();
    sizeContactTable();
    setCaption(RunningCaption);
    if (const auto stopped = runFrames(host, frames))
        return *stopped;
    for (std::int32_t i = 1; i <= m_avatars.NumAvatars(); ++i)
        an8::CloseUnitTracks(m_avatars(i));
    if (m_recorder) {
        m_recording = m_recorder->finish(m_avatars);
        m_recorder.reset();
    }
    keepOutput();
    const RunOutcome outcome = m_options.writeScene ? writeScene() : RunOutcome::Completed;
    setCaption(IdleCaption);
    return outcome;
}

// Memory ran out outside the scripts (theirs fail with "Out of memory" on the terminated path).
// The units and texts are let go first, which gives the message the memory it needs.
RunOutcome BattleRun::outOfMemory()
{
    m_avatars = AvatarTable();
    m_game.reset();
    m_recorder.reset();
    m_recording.reset();
    m_replay.reset();
    std::string().swap(m_output);
    std::vector<UnitCode>().swap(m_unitCode);
    const std::string units = formatInteger(m_unitCount) + (m_unitCount == 1 ? " unit" : " units");
    std::string what = "to run this project";
    if (m_unitCount > 0)
        what = (m_unitsBuilt ? "for the scene texts of the " : "for the ") + units + " of this project";
    m_dialogs.message("The run stopped: there is not enough memory " + what + ". No scene was written.");
    setCaption(IdleCaption);
    return RunOutcome::OutOfMemory;
}

// The project is saved through the window's project dialog; a cancelled dialog or a failed
// save stops the run before anything else happens.
std::optional<RunOutcome> BattleRun::saveProject()
{
    m_projectDialog.filter = ProjectFileFilter;
    m_projectDialog.defaultExtension = ProjectFileExtension;
    if (!m_dialogs.saveFile(m_projectDialog).has_value())
        return RunOutcome::SaveCancelled;
    try {
        SaveProject(m_project, m_projectDialog.fileName);
        m_projectSaved = true;
        return std::nullopt;
    } catch (const FileError& error) {
        m_dialogs.message(std::string("The project could not be saved, so the battle did not start: ") +
                          error.what());
        return RunOutcome::NotStarted;
    }
}

void BattleRun::configureHost(vbs::ScriptControl& host)
{
    host.setDialogs(&m_dialogs);
    host.setTimeLimit(m_options.scriptTimeLimit);
    if (m_options.processorClock)
        host.setProcessorClock(m_options.processorClock);
    if (m_options.askToKeepWaiting)
        host.setKeepWaiting([this] { return m_dialogs.question(keepWaitingQuestion()); });
    if (m_observer)
        host.setHeartbeat([this] { m_observer->stillWorking(); });
}

std::string BattleRun::keepWaitingQuestion() const
{
    const double seconds = static_cast<double>(m_options.scriptTimeLimit.count()) / 1000.0;
    const std::string whose = m_currentUnit == 0 ? std::string("a unit type")
                                                 : "unit " + formatInteger(m_currentUnit) + " (figure " +
                                                       m_avatars.find(m_currentUnit)->Figure + ")";
    return "The script of " + whose + " has been running for more than " + formatDouble(seconds) +
           " seconds. Keep waiting?";
}

void BattleRun::checkTypeScripts(vbs::ScriptControl& host)
{
    m_currentUnit = 0;
    checkScripts(host, m_project,
                 [this](std::int32_t, const vbs::ScriptErrorInfo& error) { m_dialogs.message(vbs::errorMessage(error)); });
}

bool BattleRun::buildUnits()
{
    try {
        m_unitCount = countUnits(m_project);
        buildUnitTable(m_avatars, m_project, *m_random);
        m_unitsBuilt = true;
        return true;
    } catch (const UnitCountError& error) {
        m_dialogs.message(error.what());
        return false;
    }
}

// The table holds an entry for every unit; with their number checked, only memory can fail.
void BattleRun::sizeContactTable()
{
    try {
        m_game->SetNumContacts(m_avatars.NumAvatars());
    } catch (const vbs::ScriptError&) {
        throw std::bad_alloc();
    }
}

// Each unit's scene texts open where it was deployed.
void BattleRun::openUnitTexts()
{
    for (std::int32_t i = 1; i <= m_avatars.NumAvatars(); ++i) {
        Avatar& unit = m_avatars(i);
        an8::OpenUnitTexts(unit, i, unit.Figure, unit.xPos, unit.yPos, unit.zPos);
    }
}

// F + 1 passes: the counter is tested after each pass, so a count of 0 or less makes one. As F
// is at most MaxFrames, the counter stays in the 32-bit range up to the last pass. Returns how
// the run ended when it stopped before the last pass.
std::optional<RunOutcome> BattleRun::runFrames(vbs::ScriptControl& host, std::int32_t frames)
{
    ContactRefresh refresh(*m_game, m_avatars);
    refresh.start();
    const std::int32_t passes = frames > 0 ? frames + 1 : 1;
    std::int32_t pass = 0;
    do {
        ++pass;
        for (std::int32_t i = 1; i <= m_avatars.NumAvatars(); ++i) {
            m_avatars.prefetchUnit(i + 4);
            const bool traced = m_trace && m_trace->unit() == i;
            if (traced)
                m_trace->beginTurn(pass);
            const auto failure = turn(host, refresh, i);
            if (traced)
                m_trace->endTurn();
            if (failure) {
                terminate(host, *failure, i);
                return RunOutcome::Terminated;
            }
            if (cancelledAfterTurn())
                return RunOutcome::Cancelled;
        }
        m_passes = pass;
        if (m_recorder)
            m_recorder->passDone(pass, m_avatars);
        if (m_observer)
            m_observer->passFinished(pass, passes);
    } while (pass < passes);
    return std::nullopt;
}

// The traced unit and the Game object note that unit's turns; a unit the battle does not have
// is traced nowhere.
void BattleRun::startTrace()
{
    if (m_options.traceUnit < 1 || m_options.traceUnit > m_avatars.NumAvatars() || !m_options.traceLine)
        return;
    m_trace.emplace(m_options.traceUnit, m_options.traceLine);
    m_game->setTrace(&*m_trace);
    m_avatars(m_options.traceUnit).setTrace(&*m_trace);
}

// A cancelled run stops between two turns, so every unit keeps a whole turn's state.
bool BattleRun::cancelledAfterTurn()
{
    if (!m_observer)
        return false;
    m_observer->stillWorking();
    if (!m_observer->cancelRequested())
        return false;
    m_dialogs.message(CancelledMessage);
    setCaption(IdleCaption);
    return true;
}

// Every step is attempted even after an earlier one failed; the first failure is the one
// reported, as the later ones usually follow from it (no Main after a syntax error).
std::optional<vbs::ScriptErrorInfo> BattleRun::turn(vbs::ScriptControl& host, ContactRefresh& refresh,
                                                    std::int32_t unit)
{
    std::optional<vbs::ScriptErrorInfo> failure;
    const auto note = [&](bool succeeded) {
        if (!succeeded && !failure)
            failure = host.Error();
    };
    host.Reset();
    if (const auto refreshFailure = refresh.beforeTurn(unit))
        failure = errorInfo(*refreshFailure);
    host.AddObject("Game", m_game, true);
    const std::shared_ptr<Avatar> avatar = m_avatars.shared(unit);
    host.AddObject("ThisGuy", avatar, true);
    m_currentUnit = unit;
    note(host.AddCode(unitCode(host, unit, *avatar)));
    note(host.Run("Main"));
    refresh.afterTurn(unit);
    return failure;
}

// A unit's script is compiled at its first turn and again only after the script wrote its own
// Code; units of a type share one compiled program through the host's cache.
const vbs::CompiledCode& BattleRun::unitCode(vbs::ScriptControl& host, std::int32_t unit, const Avatar& avatar)
{
    if (m_unitCode.size() <= static_cast<std::size_t>(unit))
        m_unitCode.resize(static_cast<std::size_t>(m_avatars.NumAvatars()) + 1);
    UnitCode& entry = m_unitCode[static_cast<std::size_t>(unit)];
    if (entry.code.empty() || entry.writes != avatar.codeWrites()) {
        entry.code = host.compile(avatar.Code);
        entry.writes = avatar.codeWrites();
    }
    return entry.code;
}

void BattleRun::terminate(vbs::ScriptControl& host, const vbs::ScriptErrorInfo& error, std::int32_t unit)
{
    m_dialogs.message(terminatedMessage(error, m_avatars(unit).Figure));
    if (m_observer) {
        const std::int32_t type = typeOfUnit(m_project, unit);
        assert(type > 0); // every unit of a run comes from a type of its project
        m_observer->unitFailed({unit, m_project.TypeNames[type], error.Line, error.Column});
    }
    host.ClearError();
    m_dialogs.message(TerminatedMessage);
    setCaption(IdleCaption);
}

// The output keeps the start of the joined blocks only, so a big battle's text is not held a
// second time beside the units' own texts; its whole size is counted all the same.
void BattleRun::keepOutput()
{
    m_outputSize = 0;
    for (std::int32_t i = 1; i <= m_avatars.NumAvatars(); ++i)
        m_outputSize += an8::unitBlockSize(m_avatars(i));
    const std::size_t limit = std::min(m_options.outputLimit, m_outputSize);
    m_output.clear();
    m_output.reserve(limit);
    for (std::int32_t i = 1; i <= m_avatars.NumAvatars() && m_output.size() < limit; ++i) {
        for (const std::string_view piece : an8::unitBlockPieces(m_avatars(i)))
            m_output.append(piece.substr(0, limit - m_output.size()));
    }
    if (m_observer)
        m_observer->outputReady(m_output, m_outputSize);
}

std::optional<std::string> BattleRun::chooseScenePath()
{
    if (m_options.scenePath)
        return m_options.scenePath;
    m_dialogs.message(SceneQuestion);
    FileDialogState sceneDialog = sceneDialogFor(m_projectDialog);
    return m_dialogs.saveFile(sceneDialog);
}

// The scene is written complete or not at all, and a failure is reported.
RunOutcome BattleRun::writeScene()
{
    const auto path = chooseScenePath();
    if (!path)
        return RunOutcome::SceneCancelled;
    if (refuseSceneOverProject(*path))
        return RunOutcome::SceneNotWritten;
    const std::string head = an8::sceneHead();
    const std::string tail = an8::sceneTail();
    try {
        AtomicTextWriter writer(*path);
        writer.write(head);
        writeUnitBlocks(writer);
        writer.write(tail);
        writer.commit();
    } catch (const FileError& error) {
        m_dialogs.message(std::string("The scene could not be written: ") + error.what());
        return RunOutcome::SceneNotWritten;
    }
    m_scenePath = *path;
    m_sceneSize = head.size() + m_outputSize + tail.size();
    return RunOutcome::Completed;
}

// The blocks go to the file straight from the units' texts: the scene is never held whole.
void BattleRun::writeUnitBlocks(AtomicTextWriter& writer)
{
    for (std::int32_t i = 1; i <= m_avatars.NumAvatars(); ++i) {
        for (const std::string_view piece : an8::unitBlockPieces(m_avatars(i)))
            writer.write(piece);
    }
}

// The scene never goes over the project it came from: that would replace every script.
bool BattleRun::refuseSceneOverProject(const std::string& scenePath)
{
    const std::string& projectPath = m_projectDialog.fileName;
    if (projectPath.empty() || !isSameFile(scenePath, projectPath))
        return false;
    m_dialogs.message("The scene could not be written: " + scenePath + " is the project file " + projectPath +
                      ", which the scene would replace; choose another name for the scene.");
    return true;
}

void BattleRun::setCaption(const char* caption)
{
    if (m_observer)
        m_observer->captionChanged(caption);
}

} // namespace kestrelon::sim
