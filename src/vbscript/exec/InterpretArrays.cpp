// Arrays at run time: element reads and writes, ReDim [Preserve], Erase, and the locks that keep
// an array whose element is passed by reference from being resized or replaced meanwhile
// ("This array is fixed or temporarily locked", 10).
#include "vbscript/exec/Interpreter.h"

#include "vbscript/values/Array.h"
#include "vbscript/values/Coercion.h"

namespace kestrelon::vbs {

using BindingKind = GlobalBinding::Kind;

namespace {

// Assigns through an object's default member: obj(i) = v.
void putDefault(const Value& target, std::vector<Value> args)
{
    if (!target.isObject())
        throw ScriptError::runtime(ErrorCode::ObjectRequired);
    if (target.isNothing())
        throw ScriptError::runtime(ErrorCode::ObjectNotSet);
    Object& object = *target.asObject();
    object.invoke(object.requireDefaultMember(), InvokeKind::Put, args);
}

} // namespace

// target(i, j) = value. The indices are evaluated before the value.
void Interpreter::assignIndexed(const CallExpr& target, Frame& frame, const Expr& valueExpression, bool isSet)
{
    const Expr& callee = *target.callee;
    if (callee.kind == ExprKind::Name) {
        assignIndexedName(static_cast<const NameExpr&>(callee), target.args, frame, valueExpression, isSet);
        return;
    }
    // obj.Member(i) = v and .Member(i) = v set an indexed member; anything else with
    // arguments sets the default member of the object it gives.
    Value object;
    const std::string* name = nullptr;
    MemberCache* cache = nullptr;
    if (callee.kind == ExprKind::Member) {
        const auto& member = static_cast<const MemberExpr&>(callee);
        object = evaluate(*member.object, frame);
        name = &member.name;
        cache = &member.cache;
    } else if (callee.kind == ExprKind::WithMember) {
        const auto& member = static_cast<const WithMemberExpr&>(callee);
        object = withObject(member.withSlot, frame);
        name = &member.name;
        cache = &member.cache;
    } else {
        object = evaluate(callee, frame);
    }
    std::vector<Value> args = evaluateArguments(target.args, frame);
    args.push_back(plainValue(valueExpression, frame, isSet));
    if (name)
        invokeMember(object, *name, *cache, InvokeKind::Put, args);
    else
        putDefault(object, std::move(args));
}

// name(i, j) = value: an array element, an object variable's default member, or an indexed
// member of an object added with its members.
void Interpreter::assignIndexedName(const NameExpr& name, const std::vector<ExprPtr>& indices, Frame& frame,
                                    const Expr& valueExpression, bool isSet)
{
    const GlobalBinding* binding = nullptr;
    Value* variable = indexedVariable(name, frame, &binding);
    const std::vector<Value> args = evaluateArguments(indices, frame);
    storeIndexed(variable, binding, args, plainValue(valueExpression, frame, isSet));
}

// The variable name(i, j) = value writes, made when the name is new (nullptr when the name is
// not a variable: binding says what it is then).
Value* Interpreter::indexedVariable(const NameExpr& name, Frame& frame, const GlobalBinding** binding)
{
    Value* variable = existingVariable(name, frame, binding);
    if (!variable && (*binding)->kind == BindingKind::Unresolved) {
        if (frame.instance.program->optionExplicit)
            throw ScriptError::runtime(ErrorCode::VariableUndefined);
        variable = &createVariable(name, frame);
    }
    return variable;
}

// The store of name(i, j) = value once the indices and the value are known: variable is the
// name's variable (nullptr when it is not one), binding what the name is otherwise.
void Interpreter::storeIndexed(Value* variable, const GlobalBinding* binding, std::span<const Value> indices,
                               Value value)
{
    if (variable && variable->isArray()) {
        Value* element = writableArray(*variable).find(ElementIndices(indices));
        if (!element)
            throw ScriptError::runtime(ErrorCode::SubscriptOutOfRange);
        storeInto(*element, std::move(value));
        return;
    }
    std::vector<Value> args(indices.begin(), indices.end());
    args.push_back(std::move(value));
    if (variable) {
        if (!variable->isObject())
            throw ScriptError::runtime(ErrorCode::TypeMismatch);
        putDefault(*variable, std::move(args));
        return;
    }
    switch (binding->kind) {
    case BindingKind::HostMember: invokeItemMember(*binding, InvokeKind::Put, args); return;
    case BindingKind::Item: putDefault(m_globals.items()[binding->item].value, std::move(args)); return;
    case BindingKind::Err: putDefault(m_errValue, std::move(args)); return;
    default: throw ScriptError::runtime(ErrorCode::IllegalAssignment);
    }
}

// The element an argument such as a(1, 2) names, for passing by reference; nullptr when the
// argument is not an element of an array variable.
Value* Interpreter::elementReference(const CallExpr& argument, Frame& frame, ArrayLocks& locks)
{
    if (argument.callee->kind != ExprKind::Name)
        return nullptr;
    const auto& name = static_cast<const NameExpr&>(*argument.callee);
    const GlobalBinding* binding = nullptr;
    Value* variable = existingVariable(name, frame, &binding);
    if (!variable || !variable->isArray())
        return nullptr;
    const ElementIndices indices(evaluateArguments(argument.args, frame));
    if (!variable->isArray()) // the indices' evaluation may have replaced the array
        return nullptr;
    Value* element = writableArray(*variable).find(indices);
    if (!element)
        throw ScriptError::runtime(ErrorCode::SubscriptOutOfRange);
    locks.lock(variable->asArray());
    return element;
}

// ReDim [Preserve] name(bounds): a new dynamic array, or with Preserve the same elements with
// only the last bound changed. ReDim makes an undeclared name a variable even under Option
// Explicit.
void Interpreter::executeReDim(const ReDimStmt& statement, Frame& frame)
{
    for (const auto& item : statement.items) {
        Value* variable = variableOf(*item.target, frame, true);
        if (!variable)
            throw ScriptError::runtime(ErrorCode::IllegalAssignment);
        // A fixed or locked array refuses ReDim before its new bounds are even looked at.
        const auto refused = [this](const Value& value) {
            return value.isArray() && (value.asArray()->fixed() || locked(value.asArray().get()));
        };
        if (refused(*variable))
            throw ScriptError::runtime(ErrorCode::ArrayFixedOrLocked);
        std::vector<std::int32_t> bounds;
        for (const auto& bound : item.bounds)
            bounds.push_back(toLong(evaluate(*bound, frame)));
        if (variable->isArray()) {
            const Array& current = *variable->asArray();
            if (refused(*variable))
                throw ScriptError::runtime(ErrorCode::ArrayFixedOrLocked);
            if (statement.preserve && current.allocated()) {
                if (!writableArray(*variable).redimPreserve(std::move(bounds)))
                    throw ScriptError::runtime(ErrorCode::SubscriptOutOfRange);
                continue;
            }
        }
        *variable = newArray(std::move(bounds), false);
    }
}

// Erase name: a fixed array keeps its size with every element Empty, a dynamic one is freed.
void Interpreter::executeErase(const EraseStmt& statement, Frame& frame)
{
    Value* variable = variableOf(*statement.target, frame);
    if (!variable || !variable->isArray())
        throw ScriptError::runtime(ErrorCode::TypeMismatch);
    if (locked(variable->asArray().get()))
        throw ScriptError::runtime(ErrorCode::ArrayFixedOrLocked);
    writableArray(*variable).erase();
}

// The array of a variable, ready to be written. Arrays are values: one shared with another
// variable is copied first, unless it is locked by a reference into it, which must stay valid.
Array& Interpreter::writableArray(Value& value)
{
    if (locked(value.asArray().get()))
        return *value.asArray();
    return value.mutableArray();
}

bool Interpreter::locked(const Array* array) const
{
    return !m_lockedArrays.empty() && m_lockedArrays.count(array) != 0;
}

// Stores a value in a variable or element. A locked array cannot be replaced, and a copy of a
// locked array is made at once, so the locked one is never shared.
void Interpreter::storeInto(Value& target, Value value)
{
    if (target.isArray() && locked(target.asArray().get()))
        throw ScriptError::runtime(ErrorCode::ArrayFixedOrLocked);
    if (value.isArray() && locked(value.asArray().get()))
        value = Value::array(std::make_shared<Array>(*value.asArray()));
    target = std::move(value);
}

Value Interpreter::readElement(const Array& array, std::span<const Value> indices)
{
    const Value* element = array.find(ElementIndices(indices));
    if (!element)
        throw ScriptError::runtime(ErrorCode::SubscriptOutOfRange);
    return *element;
}

// Indices are whole numbers, fractions rounding half to even.
Interpreter::ElementIndices::ElementIndices(std::span<const Value> args)
{
    std::int32_t* out = m_inline;
    if (args.size() > Inline) {
        m_spilled.resize(args.size());
        out = m_spilled.data();
    }
    for (const Value& arg : args)
        out[m_count++] = toLong(arg);
    m_indices = out;
}

Value Interpreter::newArray(std::vector<std::int32_t> bounds, bool fixed)
{
    return Value::array(std::make_shared<Array>(std::move(bounds), fixed));
}

} // namespace kestrelon::vbs
