// An instance of a script class: its own copy of the class's variables, reached by scripts
// through the class's member table. Its procedures run in the interpreter that made it; the
// last reference going runs Class_Terminate there (deferred to the end of the statement).
#pragma once

#include "vbscript/syntax/Ast.h"
#include "vbscript/values/Object.h"

#include <memory>
#include <vector>

namespace kestrelon::vbs {

class Interpreter;
struct ProgramInstance;

class ClassInstance final : public Object {
public:
    // Made by the interpreter (makeClassInstance), which keeps count of its live instances.
    ClassInstance(const ClassDecl& decl, std::shared_ptr<const Program> program, ProgramInstance& instance,
                  Interpreter& engine);
    ~ClassInstance() override;
    ClassInstance(const ClassInstance&) = delete;
    ClassInstance& operator=(const ClassInstance&) = delete;

    std::string typeName() const override { return m_decl.name; }
    std::optional<MemberId> findMember(std::string_view name) const override;
    Value invoke(MemberId member, InvokeKind kind, std::span<const Value> args) override;
    std::optional<MemberId> defaultMember() const override;
    const void* memberTable() const override { return &m_decl; }
    ClassInstance* scriptInstance() override { return this; }

    const ClassDecl& decl() const { return m_decl; }
    ProgramInstance& program() const { return *m_instance; }
    Value& field(int index) { return m_fields[static_cast<std::size_t>(index)]; }
    std::vector<Value>& fields() { return m_fields; }

    // The interpreter running its procedures; null once that interpreter let go of its
    // instances (a reset), after which nothing of it runs any more.
    Interpreter* engine() const { return m_engine; }
    void detach() { m_engine = nullptr; }

    // A counted reference to this instance (for Me), valid while one exists.
    std::shared_ptr<ClassInstance> self() const { return m_self.lock(); }
    void setSelf(const std::shared_ptr<ClassInstance>& self) { m_self = self; }

    // Class_Terminate runs once at most.
    bool terminated = false;

private:
    const ClassDecl& m_decl;
    std::shared_ptr<const Program> m_program; // keeps the class's text alive
    ProgramInstance* m_instance;
    Interpreter* m_engine;
    std::weak_ptr<ClassInstance> m_self;
    std::vector<Value> m_fields;
};

} // namespace kestrelon::vbs
