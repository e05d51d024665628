// The battle run behind the main window's "Run" button and `kestrelon-cli run`: it saves the
// project, checks the scripts, builds the units, gives every unit one script turn per frame
// and writes the An8 scene. It talks to the user only through Dialogs and a small observer.
#pragma once

#include "model/Project.h"
#include "platform/Dialogs.h"
#include "platform/RandomGenerator.h"
#include "sim/AvatarTable.h"
#include "sim/BattleRecording.h"
#include "sim/RunReplay.h"
#include "sim/UnitTrace.h"
#include "vbscript/ScriptControl.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kestrelon {
class AtomicTextWriter;
}

namespace kestrelon::sim {

class Game;
class ContactRefresh;

inline constexpr const char* IdleCaption = "Kestrelon!";
inline constexpr const char* RunningCaption = "Running....";

// How a run ended.
enum class RunOutcome {
    Completed,       // the scene file was written
    SaveCancelled,   // the project save was cancelled: the run did not start
    NotStarted,      // the frame count, the project save, the scene path or the unit count failed; reported
    Terminated,      // a unit's turn failed: reported, no scene written
    SceneCancelled,  // the scene dialog was cancelled: the output text exists, no file
    SceneNotWritten, // the scene file could not be written; reported
    OutOfMemory,     // memory ran out for the units or their texts: reported, no scene written
    Cancelled,       // the user stopped the frames: reported, no scene written
};

// RunOptions::outputLimit when the whole output text is kept.
inline constexpr std::size_t NoOutputLimit = std::numeric_limits<std::size_t>::max();

struct RunOptions {
    bool saveProject = true;              // the window saves first; the command line does not
    std::optional<std::string> scenePath; // set: the scene goes there, without a dialog
    bool attackMessages = true;           // false: Attack shows no message
    std::chrono::milliseconds scriptTimeLimit{std::chrono::seconds(10)};
    bool askToKeepWaiting = true;         // past the limit: ask (window) or stop the script
    // The bytes of the joined output text kept for outputText and outputReady: the window
    // shows only the start of a big battle's text and the command line none, and a whole copy
    // would cost as much memory as the scene itself. The scene file always holds everything.
    std::size_t outputLimit = NoOutputLimit;
    // Keep a recording of the run for its preview (BattleRun::recording), and what it takes to
    // run it again (BattleRun::takeReplay).
    bool record = false;
    bool writeScene = true; // false: the run completes with the frames (a preview of its own)
    // The unit whose turns are traced (UnitTrace), 0 for none, and where its lines go.
    std::int32_t traceUnit = 0;
    std::function<void(const std::string&)> traceLine;
    // Where the scripts' time limit reads processor time (empty: the running thread's own).
    vbs::ProcessorClock processorClock;
};

// The unit whose turn ended a run and where its script failed.
struct UnitFailure {
    std::int32_t unit = 0;
    std::string typeName;
    int line = 0; // 0 (and column 0): no line of the unit's script was running
    int column = 0;
};

// What the main window shows while a run goes on. Every function has a default that does nothing.
class RunObserver {
public:
    virtual ~RunObserver() = default;
    virtual void captionChanged(const std::string& caption) { (void)caption; }
    // After each pass over all units: pass 1 .. passes.
    virtual void passFinished(std::int32_t pass, std::int32_t passes) { (void)pass, (void)passes; }
    // The units' scene text for the output box, once the frames are done: its first bytes, as
    // many as RunOptions::outputLimit keeps, and the size of the whole.
    virtual void outputReady(const std::string& text, std::size_t wholeSize) { (void)text, (void)wholeSize; }
    // A unit's turn failed: called after the run's error message, before "simulation terminated".
    virtual void unitFailed(const UnitFailure& failure) { (void)failure; }
    // Called after every turn and now and then while a script computes, so a window can repaint
    // and take a click on its Cancel button. It must not change the project.
    virtual void stillWorking() {}
    // Asked after every turn: true stops the run there, with no scene written.
    virtual bool cancelRequested() { return false; }
};

// The largest frame count a run takes: it makes one pass more than that, and the pass count
// must stay a 32-bit whole number.
inline constexpr std::int32_t MaxFrames = 2147483646;

// The frame count as the frame box's text gives it: the number at its start, rounded half-even
// (no number reads as 0; below the whole-number range as 0). nullopt when it is above MaxFrames.
std::optional<std::int32_t> readFrameCount(std::string_view frameText);

class BattleRun {
public:
    // projectDialog is the window's project dialog, which the project save uses.
    BattleRun(const Project& project, Dialogs& dialogs, FileDialogState& projectDialog, std::string frameText,
              RunOptions options = {}, RunObserver* observer = nullptr);
    ~BattleRun();
    BattleRun(const BattleRun&) = delete;
    BattleRun& operator=(const BattleRun&) = delete;

    // The random generator for unit creation and the scripts' draws (the program's by default).
    void useRandomGenerator(RandomGenerator& random) { m_random = &random; }

    // Runs the battle once; call once per object.
    RunOutcome run();

    // The units with their final state (empty before the units are built).
    const AvatarTable& Avatars() const { return m_avatars; }
    // The joined blocks of all units for the output box, up to RunOptions::outputLimit bytes;
    // empty unless the frames completed.
    const std::string& outputText() const { return m_output; }
    // The size of all the joined blocks, however many of their bytes outputText keeps.
    std::size_t outputSize() const { return m_outputSize; }
    std::int32_t passesMade() const { return m_passes; }
    // The recording of a completed run made with RunOptions::record; nullptr otherwise.
    const BattleRecording* recording() const { return m_recording ? &*m_recording : nullptr; }
    // The recording, taken out of the run (which keeps none afterwards).
    std::optional<BattleRecording> takeRecording() { return std::exchange(m_recording, std::nullopt); }
    // What it takes to run again a run made with RunOptions::record that completed its frames
    // (as recording() has it); nullopt otherwise.
    std::optional<RunReplay> takeReplay() { return std::exchange(m_replay, std::nullopt); }
    // True once the run's own project save wrote the file its project dialog names.
    bool projectSaved() const { return m_projectSaved; }
    // Where the scene went and how many bytes it has (empty and 0 unless written).
    const std::string& scenePath() const { return m_scenePath; }
    std::size_t sceneSize() const { return m_sceneSize; }

private:
    std::optional<RunOutcome> saveProject();
    RunOutcome runBattle(std::int32_t frames);
    RunOutcome outOfMemory();
    void configureHost(vbs::ScriptControl& host);
    void checkTypeScripts(vbs::ScriptControl& host);
    bool buildUnits();
    void sizeContactTable();
    void openUnitTexts();
    void startTrace();
    std::optional<RunOutcome> runFrames(vbs::ScriptControl& host, std::int32_t frames);
    bool cancelledAfterTurn();
    const vbs::CompiledCode& unitCode(vbs::ScriptControl& host, std::int32_t unit, const Avatar& avatar);
    std::optional<vbs::ScriptErrorInfo> turn(vbs::ScriptControl& host, ContactRefresh& refresh, std::int32_t unit);
    void terminate(vbs::ScriptControl& host, const vbs::ScriptErrorInfo& error, std::int32_t unit);
    void keepOutput();
    RunOutcome writeScene();
    void writeUnitBlocks(AtomicTextWriter& writer);
    std::optional<std::string> chooseScenePath();
    bool refuseSceneOverProject(const std::string& scenePath);
    std::string keepWaitingQuestion() const;
    void setCaption(const char* caption);

    const Project& m_project;
    Dialogs& m_dialogs;
    FileDialogState& m_projectDialog;
    std::string m_frameText;
    RunOptions m_options;
    RunObserver* m_observer;
    RandomGenerator* m_random;

    AvatarTable m_avatars;
    std::shared_ptr<Game> m_game;
    // Each unit's script as compiled for its turns, and the count of the unit's Code writes it
    // was compiled after.
    struct UnitCode {
        vbs::CompiledCode code;
        std::uint64_t writes = 0;
    };
    std::vector<UnitCode> m_unitCode;
    std::int32_t m_currentUnit = 0; // whose script runs (0: the check), for the keep-waiting question
    std::int32_t m_unitCount = 0; // the project's units, once counted
    bool m_unitsBuilt = false;
    bool m_projectSaved = false;
    std::string m_output;        // the start of the joined blocks, up to the output limit
    std::size_t m_outputSize = 0; // all the joined blocks
    std::int32_t m_passes = 0;
    std::string m_scenePath;
    std::size_t m_sceneSize = 0;
    std::optional<BattleRecorder> m_recorder;
    std::optional<UnitTrace> m_trace;
    std::optional<BattleRecording> m_recording;
    std::optional<RunReplay> m_replay;
};

} // namespace kestrelon::sim
