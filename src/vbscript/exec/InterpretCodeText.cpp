// Code made while a script runs: Execute runs statements where it stands (inside a procedure
// they see and change its variables), ExecuteGlobal always at script level, Eval works out an
// expression where it stands, GetRef makes an object that calls a procedure. Their errors are
// placed at the statement that ran them, which is where the script's author can look.
#include "vbscript/exec/Interpreter.h"

#include "vbscript/compile/Compiler.h"
#include "vbscript/exec/ClassInstance.h"
#include "vbscript/exec/Linker.h"
#include "vbscript/values/Coercion.h"

namespace kestrelon::vbs {
namespace {

using BindingKind = GlobalBinding::Kind;

// The object GetRef gives: reading it or calling it calls the procedure.
class ProcedureReference final : public Object {
public:
    ProcedureReference(Interpreter& engine, ProcedureEntry entry) : m_engine(engine), m_entry(entry) {}
    std::optional<MemberId> findMember(std::string_view) const override { return std::nullopt; }
    std::optional<MemberId> defaultMember() const override { return 0; }
    Value invoke(MemberId, InvokeKind, std::span<const Value> args) override
    {
        return m_engine.callProcedure(m_entry, args);
    }

private:
    Interpreter& m_engine;
    ProcedureEntry m_entry;
};

// An error of the code text, without the place inside that text.
[[noreturn]] void throwUnplaced(const ScriptError& error)
{
    throw ScriptError(error.number(), error.description(), error.source());
}

} // namespace

// Execute, ExecuteGlobal, Eval or GetRef called with its one argument.
Value Interpreter::callCodeFunction(GlobalBinding::Kind which, const std::vector<ExprPtr>& args, Frame& frame)
{
    if (args.size() != 1)
        throw ScriptError::runtime(ErrorCode::WrongArgumentCount);
    const Value argument = evaluate(*args[0], frame);
    switch (which) {
    case BindingKind::Eval: return evalText(argument, frame);
    case BindingKind::GetRef: return procedureReference(argument);
    default: runCodeText(argument, frame, which == BindingKind::ExecuteGlobal); return Value();
    }
}

// The instance a code text runs as: kept with the level when the text defines procedures or
// classes (they live on), else only for this run, so a loop of Execute calls holds nothing.
ProgramInstance& Interpreter::codeInstance(std::shared_ptr<const Program> program, ProgramInstance& temporary)
{
    if (!program->procedures.empty() || !program->classes.empty())
        return m_globals.addInstance(std::move(program));
    temporary.bindings.assign(program->globalNames.size(), GlobalBinding());
    temporary.program = std::move(program);
    return temporary;
}

// Runs a code text in the frame it needs: one of the script level, or, for code run inside a
// procedure, one that shares the procedure's slots (the code's own come after them).
template <typename Run>
auto Interpreter::inCodeFrame(ProgramInstance& instance, Frame& caller, Run run)
{
    const Program& program = *instance.program;
    if (!program.enclosedBody) {
        Frame top(m_slots, instance, nullptr, program.topLevelSlots);
        return run(top);
    }
    const Procedure& body = *program.enclosedBody;
    Frame inner(m_slots, instance, &body, body.slotCount);
    const std::size_t shared = std::min(caller.slots.size(), static_cast<std::size_t>(caller.procedure->slotCount));
    for (std::size_t i = 0; i < shared && i < inner.slots.size(); ++i) {
        inner.slots[i].value = caller.slots[i].value;
        inner.slots[i].live = caller.slots[i].live;
    }
    inner.self = caller.self;
    initialiseSlots(body, inner);
    return run(inner);
}

// Execute / ExecuteGlobal text: a text is required (13); an object gives its default value.
void Interpreter::runCodeText(const Value& argument, Frame& frame, bool atScriptLevel)
{
    const Value text = argument.isObject() ? toPlainValue(argument) : argument;
    if (!text.isString())
        throw ScriptError::runtime(ErrorCode::TypeMismatch);
    const Procedure* enclosing = atScriptLevel ? nullptr : frame.procedure;
    try {
        ProgramInstance temporary;
        ProgramInstance& instance = codeInstance(compileCodeText(text.asString(), enclosing, false), temporary);
        linkProgram(m_globals, instance);
        const Program& program = *instance.program;
        inCodeFrame(instance, frame, [&](Frame& code) {
            executeBlock(code.procedure ? code.procedure->body : program.statements, code);
        });
    } catch (const ScriptError& error) {
        throwUnplaced(error);
    }
}

// Eval text: anything but a text is its own value; an object gives its default value first.
Value Interpreter::evalText(const Value& argument, Frame& frame)
{
    const Value text = argument.isObject() ? toPlainValue(argument) : argument;
    if (!text.isString())
        return text;
    try {
        ProgramInstance temporary;
        ProgramInstance& instance = codeInstance(compileCodeText(text.asString(), frame.procedure, true), temporary);
        const Expr& expression = *instance.program->evalExpression;
        return inCodeFrame(instance, frame, [&](Frame& code) { return evaluate(expression, code); });
    } catch (const ScriptError& error) {
        throwUnplaced(error);
    }
}

// GetRef("name"): a procedure of the script level; anything else is 5, a value that is no
// text 13.
Value Interpreter::procedureReference(const Value& argument)
{
    const Value name = argument.isObject() ? toPlainValue(argument) : argument;
    if (!name.isString())
        throw ScriptError::runtime(ErrorCode::TypeMismatch);
    const GlobalScope::Entry* entry = m_globals.find(binding::foldName(narrowText(name.asString())));
    if (!entry || entry->kind != GlobalScope::EntryKind::Procedure)
        throw ScriptError::runtime(ErrorCode::InvalidProcedureCall);
    return Value::object(std::make_shared<ProcedureReference>(*this, entry->procedure));
}

Value Interpreter::callProcedure(const ProcedureEntry& entry, std::span<const Value> args)
{
    return callWithValues(*entry.instance, *entry.procedure, nullptr, args);
}

} // namespace kestrelon::vbs
