// Script classes at run time: New makes an instance (its arrays made, Class_Initialize run), a
// member is a variable of the instance or the procedure its use calls for (Get to read, Let or
// Set to assign, the Sub or Function to call), Me is the instance a procedure runs for, and the
// last reference going runs Class_Terminate once the statement that let go of it is done.
#include "vbscript/exec/ClassInstance.h"
#include "vbscript/exec/Interpreter.h"

#include "vbscript/runtime/RegExpObject.h"
#include "vbscript/values/Array.h"

namespace kestrelon::vbs {
namespace {

// Deleting an instance goes through its interpreter, which may run its Class_Terminate first.
struct InstanceDeleter {
    void operator()(ClassInstance* instance) const
    {
        if (Interpreter* engine = instance->engine())
            engine->lastReferenceGone(instance);
        else
            delete instance;
    }
};

} // namespace

Interpreter::~Interpreter()
{
    releaseInstances();
}

// New Name: a class of the script; RegExp is always the built-in one. A name that is no class
// is "Class not defined" (506), or "Variable is undefined" (500) under Option Explicit when it
// is nothing at all.
Value Interpreter::newInstance(const NewExpr& expression, Frame& frame)
{
    if (expression.folded == "regexp")
        return Value::object(makeRegExp());
    const GlobalScope::Entry* entry = m_globals.find(expression.folded);
    if (!entry || entry->kind != GlobalScope::EntryKind::Class) {
        const bool unknown = !entry && !m_globals.findItem(expression.folded) && !findBuiltin(expression.folded);
        throw ScriptError::runtime(unknown && frame.instance.program->optionExplicit ? ErrorCode::VariableUndefined
                                                                                : ErrorCode::ClassNotDefined);
    }
    const ClassEntry& classEntry = entry->classEntry;
    const ClassDecl& decl = *classEntry.decl;
    std::shared_ptr<ClassInstance> instance(
        new ClassInstance(decl, classEntry.instance->program, *classEntry.instance, *this), InstanceDeleter{});
    instance->setSelf(instance);
    for (std::size_t i = 0; i < decl.fields.size(); ++i) {
        const Declaration& field = decl.fields[i];
        if (field.isArray)
            instance->fields()[i] = field.bounds.empty() ? Value::array(std::make_shared<Array>())
                                                          : declaredArray(field.bounds, field.pos);
    }
    if (decl.initialize)
        callMethod(instance, *decl.initialize, {});
    return Value::object(std::move(instance));
}

// The procedure a use of a member calls: Get reads (a Sub read as a value gives Empty), a
// statement calls the Sub (or the Get), an assignment of an object takes Set, of anything
// else Let. Nullptr when the member has no procedure for that use.
const Procedure* Interpreter::procedureFor(const ClassMember& member, InvokeKind kind, std::span<const Value> args)
{
    switch (kind) {
    case InvokeKind::Get: return member.get ? member.get : member.sub;
    case InvokeKind::Call: return member.sub ? member.sub : member.get;
    case InvokeKind::Put: break;
    }
    const bool isObject = !args.empty() && args.back().isObject();
    return isObject ? member.set : member.let;
}

// A use from outside: private members are out of reach (438) except for the instance whose
// procedure is running.
Value Interpreter::invokeInstance(ClassInstance& instance, MemberId member, InvokeKind kind,
                                  std::span<const Value> args)
{
    const ClassMember& entry = instance.decl().members[static_cast<std::size_t>(member)];
    const bool inside = &instance == m_currentSelf;
    if (entry.field >= 0) {
        if (!entry.isPublic && !inside)
            throw ScriptError::runtime(ErrorCode::MemberNotSupported);
        return useField(instance, entry.field, kind, args);
    }
    const Procedure* procedure = procedureFor(entry, kind, args);
    if (!procedure || (!procedure->isPublic && !inside))
        throw ScriptError::runtime(ErrorCode::MemberNotSupported);
    return callMethod(instance.self(), *procedure, args);
}

// obj.v reads the variable, obj.v = x writes it; with indices it is an element of the array
// the variable holds (a variable holding no array takes no indices: 438).
Value Interpreter::useField(ClassInstance& instance, int field, InvokeKind kind, std::span<const Value> args)
{
    Value& variable = instance.field(field);
    const bool put = kind == InvokeKind::Put;
    const std::span<const Value> indices = put ? args.first(args.size() - 1) : args;
    if (put && args.empty())
        throw ScriptError::runtime(ErrorCode::WrongArgumentCount);
    if (indices.empty()) {
        if (put)
            storeInto(variable, args.back());
        return put ? Value() : variable;
    }
    if (!variable.isArray())
        throw ScriptError::runtime(ErrorCode::MemberNotSupported);
    if (!put)
        return readElement(*variable.asArray(), indices);
    Value* element = writableArray(variable).find(ElementIndices(indices));
    if (!element)
        throw ScriptError::runtime(ErrorCode::SubscriptOutOfRange);
    storeInto(*element, args.back());
    return Value();
}

// A procedure of the instance with arguments already worked out (a use from outside).
Value Interpreter::callMethod(const std::shared_ptr<ClassInstance>& self, const Procedure& procedure,
                              std::span<const Value> args)
{
    return callWithValues(self->program(), procedure, self, args);
}

// A procedure (of an instance, when self is given) with arguments already worked out, each
// a copy of its own.
Value Interpreter::callWithValues(ProgramInstance& program, const Procedure& procedure,
                                  const std::shared_ptr<ClassInstance>& self, std::span<const Value> args)
{
    if (args.size() != procedure.params.size())
        throw ScriptError::runtime(ErrorCode::WrongArgumentCount);
    Frame frame(m_slots, program, &procedure, procedure.slotCount);
    frame.self = self;
    for (std::size_t i = 0; i < args.size(); ++i)
        frame.at(static_cast<int>(i)) = args[i];
    return invokeForSelf(frame);
}

// Runs a frame's procedure with its instance as the one whose private members are in reach.
Value Interpreter::invokeForSelf(Frame& frame)
{
    if (!frame.self)
        return invokeFrame(frame);
    ClassInstance* const outer = std::exchange(m_currentSelf, frame.self.get());
    try {
        Value result = invokeFrame(frame);
        m_currentSelf = outer;
        return result;
    } catch (...) {
        m_currentSelf = outer;
        throw;
    }
}

// obj.m args or x = obj.m(args) on an instance.
Value Interpreter::callInstanceMember(ClassInstance& instance, MemberId member, InvokeKind kind,
                                      const std::vector<ExprPtr>& args, Frame& frame)
{
    const ClassMember& entry = instance.decl().members[static_cast<std::size_t>(member)];
    if (entry.field >= 0)
        return invokeInstance(instance, member, kind, ArgumentValues(*this, args, frame));
    const Procedure* procedure = procedureFor(entry, kind, {});
    if (!procedure || (!procedure->isPublic && &instance != m_currentSelf))
        throw ScriptError::runtime(ErrorCode::MemberNotSupported);
    return callWithArguments(instance.program(), *procedure, instance.self(), args, frame);
}

// A member of the instance named without Me inside one of its procedures.
Value Interpreter::callSelfMember(Frame& frame, int member, InvokeKind kind, const std::vector<ExprPtr>& args)
{
    return callInstanceMember(*frame.self, member, kind, args, frame);
}

void Interpreter::assignSelfMember(Frame& frame, int member, Value value)
{
    const Value argument[] = {std::move(value)};
    invokeInstance(*frame.self, member, InvokeKind::Put, argument);
}

// Instances are let go of one after the other, never inside each other's deletion, so a long
// chain of instances (a linked list) cannot exhaust the stack.
void Interpreter::lastReferenceGone(ClassInstance* instance)
{
    m_dying.push_back(instance);
    if (m_burying)
        return;
    m_burying = true;
    while (!m_dying.empty()) {
        ClassInstance* dying = m_dying.back();
        m_dying.pop_back();
        if (dying->decl().terminate && !dying->terminated && m_running)
            awaitTerminate(dying);
        else
            delete dying;
    }
    m_burying = false;
}

// A reference of its own again, so Me works in Class_Terminate; should the procedure keep Me
// somewhere, the instance lives on and is simply deleted when that reference goes.
void Interpreter::awaitTerminate(ClassInstance* instance)
{
    instance->terminated = true;
    std::shared_ptr<ClassInstance> revived(instance, InstanceDeleter{});
    instance->setSelf(revived);
    m_pendingTerminates.push_back(std::move(revived));
}

// Class_Terminate of the instances let go of; an error in one is not the script's to see.
// The time limit is: a script stopped by it runs none of its code any more, so instances
// whose Class_Terminate makes more of them cannot keep it going, and the rest simply go.
void Interpreter::runTerminates()
{
    while (!m_pendingTerminates.empty()) {
        std::shared_ptr<ClassInstance> instance = std::move(m_pendingTerminates.back());
        m_pendingTerminates.pop_back();
        if (m_clock.expired())
            continue;
        try {
            callMethod(instance, *instance->decl().terminate, {});
        } catch (const ScriptError&) {
            if (m_clock.expired())
                throw;
        }
    }
}

// Objects gone since are dropped from the list whenever it has doubled, so a script making
// millions of short-lived dictionaries keeps it small.
void Interpreter::keepTrackOf(const std::shared_ptr<Object>& container)
{
    if (m_containers.size() >= 2 * m_containersAfterPruning + 64) {
        std::erase_if(m_containers, [](const std::weak_ptr<Object>& kept) { return kept.expired(); });
        m_containersAfterPruning = m_containers.size();
    }
    m_containers.push_back(container);
}

void Interpreter::endScriptLevel()
{
    m_globals.forEachVariable([&](Value& variable) {
        {
            const Value gone = std::move(variable);
        }
        runPendingTerminates();
    });
}

// Every instance made here lets go of its variables, and every object built-ins made of its
// contents, so objects that refer to each other are freed too; no Class_Terminate runs, as no
// script is running.
void Interpreter::releaseInstances()
{
    const std::vector<std::weak_ptr<Object>> containers = std::move(m_containers);
    m_containers.clear();
    m_containersAfterPruning = 0;
    for (const auto& kept : containers) {
        if (const std::shared_ptr<Object> container = kept.lock())
            container->releaseContents();
    }
    m_pendingTerminates.clear();
    const std::vector<ClassInstance*> instances(m_instances.begin(), m_instances.end());
    m_instances.clear();
    for (ClassInstance* instance : instances)
        instance->detach();
    std::vector<Value> released;
    for (ClassInstance* instance : instances) {
        for (Value& field : instance->fields())
            released.push_back(std::move(field));
    }
}

} // namespace kestrelon::vbs
