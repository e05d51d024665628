// Names at run time. A global name is bound once per added code, in VBScript's order: script
// variables, constants and procedures, then named objects, then built-ins, then the members of
// objects added with their members; an undeclared name becomes a variable (of the procedure
// using it, or of the script) unless Option Explicit is on.
#include "vbscript/exec/Interpreter.h"

#include "vbscript/exec/ClassInstance.h"

#include "vbscript/values/Array.h"
#include "vbscript/values/Coercion.h"
#include "vbscript/host/HostBinding.h"
#include "vbscript/syntax/SelfAppend.h"
#include "vbscript/values/TextAppend.h"
#include "vbscript/runtime/Math.h"

#include <new>

namespace kestrelon::vbs {

using BindingKind = GlobalBinding::Kind;

namespace {
// What a name of an instance's procedure or property is, inside its class.
GlobalBinding selfMemberBinding()
{
    GlobalBinding binding;
    binding.kind = BindingKind::SelfMember;
    return binding;
}
const GlobalBinding SelfMemberBinding = selfMemberBinding();

// The functions that run code made while the script runs: they need the caller's frame.
std::optional<BindingKind> codeFunction(const std::string& folded)
{
    if (folded == "execute")
        return BindingKind::Execute;
    if (folded == "executeglobal")
        return BindingKind::ExecuteGlobal;
    if (folded == "eval")
        return BindingKind::Eval;
    if (folded == "getref")
        return BindingKind::GetRef;
    return std::nullopt;
}
} // namespace

const GlobalBinding& Interpreter::globalBinding(ProgramInstance& instance, int index)
{
    GlobalBinding& binding = instance.bindings[static_cast<size_t>(index)];
    if (binding.epoch != m_globals.epoch()) {
        binding = lookUpGlobal(instance.program->globalNames[static_cast<size_t>(index)]);
        binding.epoch = m_globals.epoch();
    }
    return binding;
}

GlobalBinding Interpreter::lookUpGlobal(const std::string& folded) const
{
    GlobalBinding binding;
    if (const auto* entry = m_globals.find(folded)) {
        switch (entry->kind) {
        case GlobalScope::EntryKind::Variable: binding.kind = BindingKind::Variable; break;
        case GlobalScope::EntryKind::Procedure: binding.kind = BindingKind::Procedure; break;
        case GlobalScope::EntryKind::Class: binding.kind = BindingKind::Class; break;
        }
        binding.variable = entry->variable;
        binding.procedure = entry->procedure;
        binding.classEntry = entry->classEntry;
    } else if (m_globals.findItem(folded, &binding.item)) {
        binding.kind = BindingKind::Item;
    } else if (folded == "err") {
        binding.kind = BindingKind::Err;
    } else if (folded == "randomize") {
        binding.kind = BindingKind::Randomize;
    } else if (const auto code = codeFunction(folded)) {
        binding.kind = *code;
    } else if ((binding.builtin = findBuiltin(folded))) {
        binding.kind = BindingKind::Builtin;
    } else if ((binding.constant = findConstant(folded))) {
        binding.kind = BindingKind::Constant;
    } else {
        const auto& items = m_globals.items();
        for (size_t i = 0; i < items.size() && binding.kind == BindingKind::Unresolved; ++i) {
            if (!items[i].addMembers || !items[i].object)
                continue;
            if (const auto member = items[i].object->findMember(folded)) {
                binding.kind = BindingKind::HostMember;
                binding.item = i;
                binding.member = *member;
            }
        }
    }
    return binding;
}

// The storage of a name that is a variable (or constant) now; nullptr otherwise, with the
// global binding that says what the name is. Nothing is created here.
Value* Interpreter::existingVariable(const NameExpr& name, Frame& frame, const GlobalBinding** binding)
{
    if (name.ref.scope == NameScope::Local)
        return &frame.at(name.ref.slot);
    if (name.ref.scope == NameScope::Field)
        return &frame.self->field(name.ref.slot);
    if (name.ref.scope == NameScope::Method) {
        *binding = &SelfMemberBinding;
        return nullptr;
    }
    if (name.ref.implicitSlot >= 0 && frame.slots[static_cast<size_t>(name.ref.implicitSlot)].live)
        return &frame.at(name.ref.implicitSlot);
    const GlobalBinding& global = globalBinding(frame.instance, name.ref.slot);
    *binding = &global;
    return global.kind == BindingKind::Variable ? &global.variable->value : nullptr;
}

// The variable a name stands for, to be written through (ByRef, For, ReDim, Erase): an
// undeclared name is made a variable; a constant, procedure or object gives nullptr.
Value* Interpreter::variableOf(const NameExpr& name, Frame& frame, bool createEvenWhenExplicit)
{
    const GlobalBinding* binding = nullptr;
    if (Value* variable = existingVariable(name, frame, &binding)) {
        const bool constant = binding ? binding->variable->constant : name.ref.constant;
        return constant ? nullptr : variable;
    }
    if (binding->kind != BindingKind::Unresolved)
        return nullptr;
    if (frame.instance.program->optionExplicit && !createEvenWhenExplicit)
        throw ScriptError::runtime(ErrorCode::VariableUndefined);
    return &createVariable(name, frame);
}

Value& Interpreter::createVariable(const NameExpr& name, Frame& frame)
{
    if (frame.procedure && name.ref.implicitSlot >= 0) {
        frame.slots[static_cast<size_t>(name.ref.implicitSlot)].live = true;
        return frame.at(name.ref.implicitSlot);
    }
    return m_globals.variable(name.folded).value;
}

Value Interpreter::readName(const NameExpr& name, Frame& frame)
{
    const GlobalBinding* binding = nullptr;
    if (const Value* variable = existingVariable(name, frame, &binding))
        return *variable;
    switch (binding->kind) {
    case BindingKind::Procedure: return callScript(binding->procedure, {}, frame);
    case BindingKind::Item: return m_globals.items()[binding->item].value;
    case BindingKind::Builtin: return invokeBuiltin(*binding->builtin, {});
    case BindingKind::Constant: return binding->constant->value();
    case BindingKind::Err: return m_errValue;
    case BindingKind::HostMember: return invokeItemMember(*binding, InvokeKind::Get, {});
    case BindingKind::Randomize: throw ScriptError::runtime(ErrorCode::TypeMismatch);
    case BindingKind::SelfMember: return callSelfMember(frame, name.ref.slot, InvokeKind::Get, {});
    case BindingKind::Execute:
    case BindingKind::ExecuteGlobal:
    case BindingKind::Eval:
    case BindingKind::GetRef: throw ScriptError::runtime(ErrorCode::WrongArgumentCount);
    case BindingKind::Class: throw ScriptError::runtime(ErrorCode::TypeMismatch);
    default: break;
    }
    if (frame.instance.program->optionExplicit)
        throw ScriptError::runtime(ErrorCode::VariableUndefined);
    return createVariable(name, frame);
}

// name = value. A bare name that is a member of an object added with its members sets that
// member (xPos = 5 sets ThisGuy.xPos) unless a script variable has the name.
void Interpreter::assignName(const NameExpr& name, Frame& frame, Value value)
{
    const GlobalBinding* binding = nullptr;
    if (Value* variable = existingVariable(name, frame, &binding)) {
        if (binding ? binding->variable->constant : name.ref.constant)
            throw ScriptError::runtime(ErrorCode::IllegalAssignment);
        storeInto(*variable, std::move(value));
        return;
    }
    if (binding->kind == BindingKind::HostMember) {
        const Value argument[] = {std::move(value)};
        invokeItemMember(*binding, InvokeKind::Put, argument);
        return;
    }
    if (binding->kind == BindingKind::SelfMember) {
        assignSelfMember(frame, name.ref.slot, std::move(value));
        return;
    }
    if (binding->kind != BindingKind::Unresolved)
        throw ScriptError::runtime(ErrorCode::IllegalAssignment);
    if (frame.instance.program->optionExplicit)
        throw ScriptError::runtime(ErrorCode::VariableUndefined);
    storeInto(createVariable(name, frame), std::move(value));
}

// name args, or name(args) in an expression: a procedure, built-in or host method called, an
// array indexed, or an object's default member used.
Value Interpreter::callName(const NameExpr& name, const std::vector<ExprPtr>& args, Frame& frame, InvokeKind kind)
{
    const GlobalBinding* binding = nullptr;
    if (const Value* variable = existingVariable(name, frame, &binding))
        return callValue(*variable, evaluateArguments(args, frame), kind);
    switch (binding->kind) {
    case BindingKind::Procedure: return callScript(binding->procedure, args, frame);
    case BindingKind::SelfMember: return callSelfMember(frame, name.ref.slot, kind, args);
    case BindingKind::Execute:
    case BindingKind::ExecuteGlobal:
    case BindingKind::Eval:
    case BindingKind::GetRef: return callCodeFunction(binding->kind, args, frame);
    case BindingKind::Builtin: {
        Value result = invokeBuiltin(*binding->builtin, ArgumentValues(*this, args, frame));
        if (kind == InvokeKind::Call && isConversionFunction(*binding->builtin))
            throw ScriptError::runtime(ErrorCode::UnsupportedAutomationType);
        return result;
    }
    case BindingKind::HostMember: return invokeItemMember(*binding, kind, ArgumentValues(*this, args, frame));
    case BindingKind::Item:
        return callValue(m_globals.items()[binding->item].value, evaluateArguments(args, frame), kind);
    case BindingKind::Constant: return callValue(binding->constant->value(), evaluateArguments(args, frame), kind);
    case BindingKind::Err: return callValue(m_errValue, evaluateArguments(args, frame), kind);
    case BindingKind::Randomize: {
        if (kind != InvokeKind::Call)
            throw ScriptError::runtime(ErrorCode::TypeMismatch);
        if (args.size() > 1)
            throw ScriptError::runtime(ErrorCode::WrongArgumentCount);
        randomize(*this, args.empty() ? std::nullopt : std::optional<Value>(evaluate(*args[0], frame)));
        return Value();
    }
    default: break;
    }
    // Calling a name that is nothing at all: the script engine reports a type mismatch.
    throw ScriptError::runtime(frame.instance.program->optionExplicit ? ErrorCode::VariableUndefined
                                                                    : ErrorCode::TypeMismatch);
}

Value Interpreter::callCallee(const Expr& callee, const std::vector<ExprPtr>& args, Frame& frame, InvokeKind kind)
{
    switch (callee.kind) {
    case ExprKind::Name: return callName(static_cast<const NameExpr&>(callee), args, frame, kind);
    case ExprKind::Member: {
        const auto& member = static_cast<const MemberExpr&>(callee);
        const Value target = evaluate(*member.object, frame);
        if (ClassInstance* instance = scriptInstanceOf(target))
            return callInstanceMember(*instance, memberOf(target, member.name, member.cache), kind, args, frame);
        return invokeMember(target, member.name, member.cache, kind, ArgumentValues(*this, args, frame));
    }
    case ExprKind::WithMember: {
        const auto& member = static_cast<const WithMemberExpr&>(callee);
        const Value target = withObject(member.withSlot, frame);
        if (ClassInstance* instance = scriptInstanceOf(target))
            return callInstanceMember(*instance, memberOf(target, member.name, member.cache), kind, args, frame);
        return invokeMember(target, member.name, member.cache, kind, ArgumentValues(*this, args, frame));
    }
    default: {
        const Value target = evaluate(callee, frame);
        return callValue(target, evaluateArguments(args, frame), kind);
    }
    }
}

// A value with arguments: an array is indexed, an object's default member is used; anything
// else cannot take arguments.
Value Interpreter::callValue(const Value& target, std::vector<Value> args, InvokeKind kind)
{
    if (target.isArray())
        return readElement(*target.asArray(), args);
    if (!target.isObject())
        throw ScriptError::runtime(ErrorCode::TypeMismatch);
    if (target.isNothing())
        throw ScriptError::runtime(ErrorCode::ObjectNotSet);
    Object& object = *target.asObject();
    return invokeObject(object, object.requireDefaultMember(), kind, args);
}

// target.name: the member is found by its text once per kind of object and then remembered.
Value Interpreter::invokeMember(const Value& target, const std::string& name, MemberCache& cache, InvokeKind kind,
                                std::span<const Value> args)
{
    if (!target.isObject() || target.isNothing())
        throw ScriptError::runtime(ErrorCode::ObjectRequired);
    Object& object = *target.asObject();
    return invokeObject(object, memberOf(target, name, cache), kind, args);
}

// The member of that name on the target object, found once per kind of object and then
// remembered by the expression.
MemberId Interpreter::memberOf(const Value& target, const std::string& name, MemberCache& cache)
{
    const std::shared_ptr<Object>& object = target.asObject();
    const void* table = object->memberTable();
    const bool known = table ? cache.table == table
                             : (cache.object == object.get() && !cache.keepIdentity.expired());
    if (!known) {
        const auto member = object->findMember(name);
        if (!member)
            throw ScriptError::runtime(ErrorCode::MemberNotSupported);
        cache.table = table;
        cache.object = table ? nullptr : object.get();
        cache.keepIdentity = table ? std::weak_ptr<Object>() : object;
        cache.member = *member;
    }
    return cache.member;
}

Value Interpreter::invokeObject(Object& object, MemberId member, InvokeKind kind, std::span<const Value> args)
{
    try {
        return object.invoke(member, kind, args);
    } catch (const std::bad_alloc&) {
        throw ScriptError::runtime(ErrorCode::OutOfMemory);
    }
}

Value Interpreter::invokeItemMember(const GlobalBinding& binding, InvokeKind kind, std::span<const Value> args)
{
    return invokeObject(*m_globals.items()[binding.item].object, binding.member, kind, args);
}

Value Interpreter::invokeBuiltin(const BuiltinEntry& builtin, std::span<const Value> args)
{
    try {
        return callBuiltin(builtin, *this, args);
    } catch (const std::bad_alloc&) {
        throw ScriptError::runtime(ErrorCode::OutOfMemory);
    }
}

// target.name = value and .name = value.
void Interpreter::assignMember(const Expr& target, Frame& frame, Value value)
{
    const Value argument[] = {std::move(value)};
    if (target.kind == ExprKind::WithMember) {
        const auto& member = static_cast<const WithMemberExpr&>(target);
        invokeMember(withObject(member.withSlot, frame), member.name, member.cache, InvokeKind::Put, argument);
        return;
    }
    const auto& member = static_cast<const MemberExpr&>(target);
    const Value object = evaluate(*member.object, frame);
    invokeMember(object, member.name, member.cache, InvokeKind::Put, argument);
}

} // namespace kestrelon::vbs

namespace kestrelon::vbs {

// "s = s & tail" and "x.m = x.m & tail", worked out once per statement.
bool Interpreter::isSelfAppend(const AssignStmt& statement)
{
    if (statement.selfAppend < 0)
        statement.selfAppend = appendsToItself(statement);
    return statement.selfAppend > 0;
}

// The text the operands after the chain's start add, each evaluated and joined in the order
// the operator would: "s & a & b" adds "" & a & b. Each step's length is checked with the
// start's, so a text too long fails where joining it would, before later operands run.
Value Interpreter::joinedTail(const AssignStmt& statement, Frame& frame, std::size_t startLength,
                              const CompiledTail* compiled)
{
    const auto isLink = [](const Expr* link) {
        return link->kind == ExprKind::Binary && static_cast<const BinaryExpr*>(link)->op == BinaryOp::Concatenate;
    };
    // The operands after the start, left to right; a chain has a few, which need no heap.
    std::size_t count = 0;
    const auto next = [](const Expr* link) { return static_cast<const BinaryExpr*>(link)->left.get(); };
    for (const Expr* link = statement.value.get(); isLink(link); link = next(link))
        ++count;
    const Expr* inlineOperands[8];
    std::vector<const Expr*> moreOperands(count > std::size(inlineOperands) ? count : 0);
    const Expr** operands = moreOperands.empty() ? inlineOperands : moreOperands.data();
    std::size_t slot = count;
    for (const Expr* link = statement.value.get(); isLink(link); link = next(link))
        operands[--slot] = static_cast<const BinaryExpr*>(link)->right.get();

    Value joined = Value::string(Text());
    std::int32_t index = compiled ? compiled->first : 0;
    for (std::size_t i = 0; i < count; ++i) {
        Value value = compiled ? argumentValue(compiled->activation, index++) : evaluate(*operands[i], frame);
        // One text joined to nothing is that text: the key a battle script appends.
        if (count == 1 && value.isString()) {
            requireStringLength(startLength + value.asString().size());
            return value;
        }
        joined = applyBinary(BinaryOp::Concatenate, joined, value, {}, {});
        requireStringLength(startLength + joined.asString().size());
    }
    return joined;
}

// "s = s & tail" on a variable holding a text no other value shares: the tail is appended to
// the text itself. Should the tail change s, or another value share the text, the statement
// joins the text it read first, as written. False: the statement takes the ordinary way.
bool Interpreter::appendToVariable(const AssignStmt& statement, Frame& frame, const CompiledTail* compiled)
{
    const auto& name = static_cast<const NameExpr&>(*statement.target);
    const GlobalBinding* binding = nullptr;
    const Value* variable = existingVariable(name, frame, &binding);
    if (!variable)
        return binding && appendToBareMember(statement, frame, *binding, compiled);
    const bool constant = binding ? binding->variable->constant : name.ref.constant;
    if (constant || !variable->isString())
        return false;
    Value before = *variable;
    const Value tail = joinedTail(statement, frame, before.asString().size(), compiled);
    Value* now = existingVariable(name, frame, &binding);
    const Text& added = tail.asString(); // its length with the start's was checked
    if (now && now->sharesTextWith(before)) {
        before = Value(); // the statement's own hold on the text goes first
        if (now->ownsText()) {
            addScriptWork(added.size());
            now->appendToOwnText(added);
        } else {
            assignName(name, frame, Value::string(joinText(now->asString(), added)));
        }
        return true;
    }
    assignName(name, frame, Value::string(joinText(before.asString(), added)));
    return true;
}

// The object a plain name holds, when reading it runs nothing (a variable, an added object);
// nullopt for a name that would call a procedure or could not be read quietly.
std::optional<Value> Interpreter::quietObject(const NameExpr& name, Frame& frame)
{
    const GlobalBinding* binding = nullptr;
    if (const Value* variable = existingVariable(name, frame, &binding))
        return *variable;
    if (binding && binding->kind == BindingKind::Item)
        return m_globals.items()[binding->item].value;
    return std::nullopt;
}

// Appends a statement's tail to a host text member in place, with the result of joining a copy:
// stillMeant tells, once the tail has run, whether the statement still writes this member, and
// put writes a joined text the ordinary way when it does not, or when the tail wrote the member.
template <typename StillMeant, typename Put>
bool Interpreter::appendToText(const AssignStmt& statement, Frame& frame, std::string& text,
                               const CompiledTail* compiled, StillMeant stillMeant, Put put)
{
    Value joined;
    {
        PendingAppend pending(text);
        joined = joinedTail(statement, frame, text.size(), compiled);
        if (pending.before() || !stillMeant()) {
            const std::string& before = pending.before() ? *pending.before() : text;
            put(Value::string(joinText(widenText(before), joined.asString())));
            return true;
        }
    }
    // The member is the host's, in 1252 bytes, as its setter would have stored the joined text.
    const std::string tail = narrowText(joined.asString());
    addScriptWork(tail.size());
    PendingAppend::noteWrite(text); // an append under way around this one keeps the old text
    text.append(tail);
    return true;
}

// "x.m = x.m & tail" on a text member its object lets grow in place. The statement writes to
// the object its name holds once the tail is done, so a tail that points the name elsewhere
// sends the joined text there. False: the statement takes the ordinary way.
bool Interpreter::appendToMember(const AssignStmt& statement, Frame& frame, const CompiledTail* compiled)
{
    const auto& target = static_cast<const MemberExpr&>(*statement.target);
    const auto& name = static_cast<const NameExpr&>(*target.object);
    const auto object = quietObject(name, frame);
    if (!object || !object->isObject() || object->isNothing())
        return false;
    std::string* text = object->asObject()->appendableText(memberOf(*object, target.name, target.cache));
    if (!text)
        return false;
    return appendToText(
        statement, frame, *text, compiled,
        [&] {
            const auto now = quietObject(name, frame);
            return now && now->isObject() && now->asObject() == object->asObject();
        },
        [&](Value joined) { assignMember(target, frame, std::move(joined)); });
}

// "m = m & tail" where m is a text member of an object added with its members (posOutput for
// ThisGuy.posOutput), while no variable has the name.
bool Interpreter::appendToBareMember(const AssignStmt& statement, Frame& frame, const GlobalBinding& binding,
                                     const CompiledTail* compiled)
{
    if (binding.kind != BindingKind::HostMember)
        return false;
    const std::shared_ptr<Object>& object = m_globals.items()[binding.item].object;
    std::string* text = object->appendableText(binding.member);
    if (!text)
        return false;
    const auto& name = static_cast<const NameExpr&>(*statement.target);
    const std::size_t item = binding.item;
    const MemberId member = binding.member;
    return appendToText(
        statement, frame, *text, compiled,
        [&] {
            const GlobalBinding* now = nullptr;
            return !existingVariable(name, frame, &now) && now && now->kind == BindingKind::HostMember &&
                   now->item == item && now->member == member && m_globals.items()[item].object == object;
        },
        [&](Value joined) { assignName(name, frame, std::move(joined)); });
}

} // namespace kestrelon::vbs
