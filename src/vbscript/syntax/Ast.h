// The syntax tree of a compiled script: expressions, statements, procedures and the program.
// Every node keeps the line and column it starts at. The resolver fills in where each name
// lives (a frame slot or a global name) before anything runs, so running never looks a local
// up by its text.
#pragma once

#include "vbscript/values/Object.h"
#include "vbscript/operators/Operators.h"
#include "vbscript/values/Value.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace kestrelon::vbs {

struct Code; // the compiled form of a body (compile/Code.h)

struct SourcePos {
    int line = 0;
    int column = 0;
};

// Where a name lives, as the resolver decided.
enum class NameScope : std::uint8_t {
    Unresolved,
    Local,  // a slot of the procedure's frame (parameter, Dim, Const, the function's result)
    Global, // looked up among the script's globals, named objects, built-ins and host members
    Field,  // inside a class: a variable of the instance (slot: its field index)
    Method, // inside a class: a procedure or property of the instance (slot: its member id)
};

struct NameRef {
    NameScope scope = NameScope::Unresolved;
    int slot = -1;          // Local: the frame slot; Global: the program's global name index
    int implicitSlot = -1;  // Global inside a procedure: the slot an undeclared name takes
    bool constant = false;  // Local: a Const (assignments raise "Illegal assignment")
};

// A member found on one kind of object, remembered by the expression that names it so the
// same member is not looked up by its text again.
struct MemberCache {
    const void* table = nullptr; // Object::memberTable() of the object it was found on
    const Object* object = nullptr; // or the object itself when it has no shared table
    std::weak_ptr<Object> keepIdentity; // holds the object's identity while cached by address
    MemberId member = 0;
};

enum class ExprKind : std::uint8_t { Literal, Name, Member, WithMember, Call, Unary, Binary, Is, New, Me };

struct Expr {
    explicit Expr(ExprKind k, SourcePos p) : kind(k), pos(p) {}
    virtual ~Expr() = default;
    Expr(const Expr&) = delete;
    Expr& operator=(const Expr&) = delete;

    ExprKind kind;
    SourcePos pos;
    bool parenthesized = false; // written in parentheses: passed as a copy, never by reference
};
using ExprPtr = std::unique_ptr<Expr>;

struct LiteralExpr : Expr {
    LiteralExpr(SourcePos p, Value v, bool literal) : Expr(ExprKind::Literal, p), value(std::move(v)), literalForm(literal) {}
    Value value;
    // Numbers, strings and dates count as literals in comparisons; True, False, Empty, Null
    // and Nothing do not.
    bool literalForm;
};

struct NameExpr : Expr {
    NameExpr(SourcePos p, std::string n, std::string f) : Expr(ExprKind::Name, p), name(std::move(n)), folded(std::move(f)) {}
    std::string name;
    std::string folded;
    NameRef ref;
};

struct MemberExpr : Expr {
    MemberExpr(SourcePos p, ExprPtr o, std::string n) : Expr(ExprKind::Member, p), object(std::move(o)), name(std::move(n)) {}
    ExprPtr object;
    std::string name;
    mutable MemberCache cache;
};

// ".name" inside a With block.
struct WithMemberExpr : Expr {
    WithMemberExpr(SourcePos p, std::string n) : Expr(ExprKind::WithMember, p), name(std::move(n)) {}
    std::string name;
    int withSlot = -1; // the frame slot holding the With object; -1 outside any With
    mutable MemberCache cache;
};

// callee(args): a call, an array element or an object's default member, decided when it runs.
struct CallExpr : Expr {
    CallExpr(SourcePos p, ExprPtr c) : Expr(ExprKind::Call, p), callee(std::move(c)) {}
    ExprPtr callee;
    std::vector<ExprPtr> args;
    bool spaced = false; // a blank before its "(": f (a)
};

struct UnaryExpr : Expr {
    UnaryExpr(SourcePos p, UnaryOp o, ExprPtr e) : Expr(ExprKind::Unary, p), op(o), operand(std::move(e)) {}
    UnaryOp op;
    ExprPtr operand;
};

// Binary operators; ExprKind::Is uses the same shape for object identity.
struct BinaryExpr : Expr {
    BinaryExpr(ExprKind k, SourcePos p, BinaryOp o, ExprPtr l, ExprPtr r)
        : Expr(k, p), op(o), left(std::move(l)), right(std::move(r)) {}
    BinaryOp op;
    ExprPtr left;
    ExprPtr right;
};

struct NewExpr : Expr {
    NewExpr(SourcePos p, std::string c, std::string f)
        : Expr(ExprKind::New, p), className(std::move(c)), folded(std::move(f)) {}
    std::string className;
    std::string folded;
};

// Me: the instance a class's procedure runs for.
struct MeExpr : Expr {
    explicit MeExpr(SourcePos p) : Expr(ExprKind::Me, p) {}
};

enum class StmtKind : std::uint8_t {
    Assign, Call, ReDim, Erase, If, Select, For, ForEach, Do, With, Exit, OnError, Declaration,
};

struct Stmt {
    explicit Stmt(StmtKind k, SourcePos p) : kind(k), pos(p) {}
    virtual ~Stmt() = default;
    Stmt(const Stmt&) = delete;
    Stmt& operator=(const Stmt&) = delete;

    StmtKind kind;
    SourcePos pos;
};
using StmtPtr = std::unique_ptr<Stmt>;
using Block = std::vector<StmtPtr>;

// target = value, or Set target = value.
struct AssignStmt : Stmt {
    AssignStmt(SourcePos p, bool set) : Stmt(StmtKind::Assign, p), isSet(set) {}
    bool isSet;
    ExprPtr target;
    ExprPtr value;
    // "x.m = x.m & tail": worked out on first execution; -1 not yet, 0 no, 1 yes.
    mutable signed char selfAppend = -1;
};

// A procedure, method or default member called as a statement (with or without Call).
struct CallStmt : Stmt {
    explicit CallStmt(SourcePos p) : Stmt(StmtKind::Call, p) {}
    ExprPtr callee;
    std::vector<ExprPtr> args;
};

struct ReDimStmt : Stmt {
    ReDimStmt(SourcePos p, bool keep) : Stmt(StmtKind::ReDim, p), preserve(keep) {}
    struct Item {
        std::unique_ptr<NameExpr> target;
        std::vector<ExprPtr> bounds;
    };
    bool preserve;
    std::vector<Item> items;
};

struct EraseStmt : Stmt {
    explicit EraseStmt(SourcePos p) : Stmt(StmtKind::Erase, p) {}
    std::unique_ptr<NameExpr> target;
};

struct IfStmt : Stmt {
    explicit IfStmt(SourcePos p) : Stmt(StmtKind::If, p) {}
    struct Branch {
        ExprPtr condition;
        Block body;
    };
    std::vector<Branch> branches; // If and each ElseIf
    Block elseBody;
};

struct SelectStmt : Stmt {
    explicit SelectStmt(SourcePos p) : Stmt(StmtKind::Select, p) {}
    struct Case {
        SourcePos pos;
        std::vector<ExprPtr> items;
        Block body;
    };
    ExprPtr selector;
    std::vector<Case> cases;
    bool hasElse = false;
    Block elseBody;
};

struct ForStmt : Stmt {
    explicit ForStmt(SourcePos p) : Stmt(StmtKind::For, p) {}
    std::unique_ptr<NameExpr> counter;
    ExprPtr from;
    ExprPtr to;
    ExprPtr step; // null: 1
    Block body;
};

struct ForEachStmt : Stmt {
    explicit ForEachStmt(SourcePos p) : Stmt(StmtKind::ForEach, p) {}
    std::unique_ptr<NameExpr> variable;
    ExprPtr collection;
    Block body;
};

// Do [While|Until c] ... Loop [While|Until c], and While c ... Wend.
struct DoStmt : Stmt {
    enum class Test : std::uint8_t { None, WhileBefore, UntilBefore, WhileAfter, UntilAfter };
    DoStmt(SourcePos p, bool wend) : Stmt(StmtKind::Do, p), isWhileWend(wend) {}
    bool isWhileWend;
    Test test = Test::None;
    ExprPtr condition;
    Block body;
};

struct WithStmt : Stmt {
    explicit WithStmt(SourcePos p) : Stmt(StmtKind::With, p) {}
    ExprPtr object;
    int slot = -1; // the frame slot that holds the object while the block runs
    Block body;
};

enum class ExitKind : std::uint8_t { Do, For, Sub, Function, Property };

struct ExitStmt : Stmt {
    ExitStmt(SourcePos p, ExitKind w) : Stmt(StmtKind::Exit, p), what(w) {}
    ExitKind what;
};

struct OnErrorStmt : Stmt {
    OnErrorStmt(SourcePos p, bool resume) : Stmt(StmtKind::OnError, p), resumeNext(resume) {}
    bool resumeNext;
};

// Dim, Public, Private and Const: declarations take effect before the code runs, so at run
// time they do nothing; the resolver reads them from here.
struct Declaration {
    SourcePos pos;
    std::string name;
    std::string folded;
    bool isArray = false;            // Dim a() or Dim a(3)
    std::vector<std::int32_t> bounds; // Dim a(3, 4): fixed upper bounds; empty for a()
    bool isConstant = false;
    Value constant;
};

struct DeclarationStmt : Stmt {
    explicit DeclarationStmt(SourcePos p) : Stmt(StmtKind::Declaration, p) {}
    std::vector<Declaration> names;
};

struct Parameter {
    SourcePos pos;
    std::string name;
    std::string folded;
    bool byVal = false;
};

// What a frame slot holds when its procedure starts.
struct SlotInit {
    SourcePos pos; // of the declaration, where a failure to make the array is reported
    int slot = 0;
    enum class Kind : std::uint8_t { FixedArray, DynamicArray, Constant } kind = Kind::Constant;
    std::vector<std::int32_t> bounds;
    Value constant;
};

struct ClassDecl;

// What a procedure is: Property Get works as a function, Let and Set as subs whose last
// parameter is the value assigned.
enum class ProcedureKind : std::uint8_t { Sub, Function, PropertyGet, PropertyLet, PropertySet };

struct Procedure {
    SourcePos pos;
    std::string name;
    std::string folded;
    ProcedureKind kind = ProcedureKind::Sub;
    bool isFunction = false; // a Function or a Property Get: it has a result
    bool isPublic = true;
    bool isDefault = false;
    const ClassDecl* owner = nullptr; // the class it belongs to, if any
    std::vector<Parameter> params;
    Block body;

    // Filled by the resolver. Slots: parameters first, then the function's result, locals,
    // the slots undeclared names take, and the hidden slots of With blocks.
    int slotCount = 0;
    int resultSlot = -1;
    std::vector<SlotInit> inits;

    // Filled by the code generator; null: the body runs through the tree interpreter.
    std::shared_ptr<const Code> code;

    // Filled by the resolver: where each of its names lives (parameters, Dim, Const), for code
    // that Execute and Eval run inside it.
    std::vector<std::pair<std::string, NameRef>> localNames;
};

// A member of a class as scripts reach it by name: a variable of the instance, or the
// procedures that share the name (a Function or Property Get reads it, a Sub is called, Let and
// Set assign it).
struct ClassMember {
    std::string name;
    std::string folded;
    bool isPublic = true;
    int field = -1; // a variable: its index among the instance's fields
    const Procedure* get = nullptr;
    const Procedure* sub = nullptr;
    const Procedure* let = nullptr;
    const Procedure* set = nullptr;
};

// Class Name ... End Class: its variables (each a member too) and procedures, with the member
// table the resolver builds.
struct ClassDecl {
    SourcePos pos;
    std::string name;
    std::string folded;
    std::vector<Declaration> fields;
    std::vector<bool> publicFields; // beside fields
    std::vector<std::unique_ptr<Procedure>> procedures;

    // Filled by the resolver.
    std::vector<ClassMember> members; // a member's index is its MemberId
    std::vector<std::pair<std::string, int>> memberIndex; // folded name -> member, sorted
    int defaultMember = -1;
    const Procedure* initialize = nullptr; // Class_Initialize
    const Procedure* terminate = nullptr;  // Class_Terminate

    // The member of that folded name, or -1.
    int findMember(const std::string& folded) const;
};

// One compiled text: everything the interpreter needs, independent of the objects and code
// that the host adds beside it, so the same text can be reused after a reset.
struct Program {
    bool optionExplicit = false;
    Block statements; // the top-level statements, run by AddCode
    std::vector<std::unique_ptr<Procedure>> procedures;
    std::vector<std::unique_ptr<ClassDecl>> classes;
    std::vector<Declaration> globals;     // script-level Dim, Public, Private and Const
    std::vector<std::string> globalNames; // folded names of every global reference
    int topLevelSlots = 0;                // hidden slots of the top-level code (With blocks)
    std::shared_ptr<const Code> topLevelCode; // as Procedure::code

    // The text Eval gives: one expression instead of statements.
    ExprPtr evalExpression;
    // Code that Execute or Eval runs inside a procedure: its statements (or its expression)
    // resolved as a body that shares the procedure's frame, its own Dims after the procedure's
    // slots. Null for code run at script level.
    std::unique_ptr<Procedure> enclosedBody;
};

// Calls fn on every block directly inside a statement: the bodies of If, Select Case, the
// loops and With.
template <typename Fn>
void forEachChildBlock(Stmt& statement, Fn&& fn)
{
    switch (statement.kind) {
    case StmtKind::If: {
        auto& ifStatement = static_cast<IfStmt&>(statement);
        for (auto& branch : ifStatement.branches)
            fn(branch.body);
        fn(ifStatement.elseBody);
        break;
    }
    case StmtKind::Select: {
        auto& select = static_cast<SelectStmt&>(statement);
        for (auto& branch : select.cases)
            fn(branch.body);
        fn(select.elseBody);
        break;
    }
    case StmtKind::For: fn(static_cast<ForStmt&>(statement).body); break;
    case StmtKind::ForEach: fn(static_cast<ForEachStmt&>(statement).body); break;
    case StmtKind::Do: fn(static_cast<DoStmt&>(statement).body); break;
    case StmtKind::With: fn(static_cast<WithStmt&>(statement).body); break;
    default: break;
    }
}

} // namespace kestrelon::vbs
