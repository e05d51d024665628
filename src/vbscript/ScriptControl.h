// The script host the battle run uses, one operation per step of a unit's turn: clear it, add
// named objects, add code (top-level statements run at once), run a procedure, and read the
// last error. Code is parsed once per distinct text and reused: the run adds every unit's
// script in every frame, and reuse must behave exactly like compiling again.
#pragma once

#include "vbscript/values/Limits.h"
#include "vbscript/values/Object.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace kestrelon {
class Dialogs;
}

namespace kestrelon::vbs {

struct Program;
class ScriptError;

// A script text compiled once: adding it again and again neither compares nor hashes the text,
// as the battle run adds every unit's script in every frame. It keeps the text's compile error,
// which adding it raises.
class CompiledCode {
public:
    bool empty() const { return !m_program && !m_error; }

private:
    friend class ScriptControl;
    std::shared_ptr<const Program> m_program;
    std::shared_ptr<const ScriptError> m_error;
};

// The last error, as the host's Error object shows it.
struct ScriptErrorInfo {
    std::int32_t Number = 0;
    std::string Description;
    std::string Source;
    int Line = 0;
    int Column = 0;
};

class ScriptControl {
public:
    ScriptControl();
    ~ScriptControl();
    ScriptControl(const ScriptControl&) = delete;
    ScriptControl& operator=(const ScriptControl&) = delete;

    // Where MsgBox and InputBox go; nullptr: MsgBox shows nothing, InputBox answers "".
    void setDialogs(Dialogs* dialogs);
    // false: every script runs through the tree interpreter, never as compiled code. Both give
    // the same results; the conformance suite runs each script both ways to keep it so.
    void setCompiledCode(bool enabled);

    // Runaway protection: one AddCode or Run call may compute this long before keepWaiting is
    // asked (true: wait as long again; false or no callback: stop the script with an error).
    // Only processor time counts: time spent waiting in a message box does not.
    void setTimeLimit(std::chrono::milliseconds limit);
    void setKeepWaiting(std::function<bool()> keepWaiting);
    // Where the time limit reads processor time (the running thread's own unless set).
    void setProcessorClock(ProcessorClock clock);
    // Called now and then while a script computes (RunClock::setHeartbeat says how often).
    void setHeartbeat(std::function<void()> heartbeat);
    // The bytes script values may hold in all (HeldMemory.h says what counts) while this host
    // runs a script; beyond it the script gets "Out of memory" (7).
    void setMemoryBudget(std::size_t bytes);

    // Discards all code, modules and named objects (settings stay).
    void Reset();

    // A new, empty code module; false (and Error filled) when the name is already in use.
    // Names are compared without regard to case; "Global", the global module's name, is always
    // in use. The clash is error 457 "This key is already associated with an element of this
    // collection", as a collection reports a key it already holds.
    bool AddModule(const std::string& name);
    // Compiles code into a module made by AddModule; false (and Error filled) on failure.
    bool AddCodeToModule(const std::string& module, const std::string& code);

    // Makes the object reachable by name and, with addMembers, its members with no prefix.
    void AddObject(const std::string& name, std::shared_ptr<Object> object, bool addMembers = true);

    // Compiles code into the global module and runs its top-level statements.
    bool AddCode(const std::string& code);
    // The same for a text compiled before; AddCode(compile(text)) does what AddCode(text) does.
    bool AddCode(const CompiledCode& code);
    CompiledCode compile(const std::string& code);

    // Calls a procedure of the global module with no arguments; a missing one is error 35
    // "Sub or Function not defined" (line and column 0).
    bool Run(const std::string& procedure);

    const ScriptErrorInfo& Error() const { return m_error; }
    void ClearError() { m_error = {}; }

private:
    class Engine;
    template <typename Action>
    bool guarded(Action&& action, bool runsScript = true);

    std::unique_ptr<Engine> m_engine;
    ScriptErrorInfo m_error;
};

// The one-line report of an error: "Error <Description> line: <Line> column: <Column>".
std::string errorMessage(const ScriptErrorInfo& error);

} // namespace kestrelon::vbs
