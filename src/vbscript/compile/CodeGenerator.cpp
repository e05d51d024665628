// Compiling resolved statements. Expressions become steps over slots: a local is read where it
// lies when nothing can change it before the step reads it, otherwise it is copied first, so
// operands keep the values they had when the script reached them (VBScript evaluates left to
// right and always both operands). The arguments of a call are compiled as code of their own,
// run when the call binds each argument, so a ByRef argument can still be bound to the
// variable itself.
#include "vbscript/compile/CodeGenerator.h"

#include "vbscript/syntax/SelfAppend.h"

#include <algorithm>
#include <cstddef>
#include <optional>
#include <utility>

namespace kestrelon::vbs {
namespace {

bool setsErrorHandling(const Block& block)
{
    for (const StmtPtr& statement : block) {
        if (statement->kind == StmtKind::OnError)
            return true;
        bool nested = false;
        forEachChildBlock(const_cast<Stmt&>(*statement),
                          [&](Block& child) { nested = nested || setsErrorHandling(child); });
        if (nested)
            return true;
    }
    return false;
}

int forLoopsIn(const Block& block)
{
    int loops = 0;
    for (const StmtPtr& statement : block) {
        loops += statement->kind == StmtKind::For ? 1 : 0;
        forEachChildBlock(const_cast<Stmt&>(*statement), [&](Block& child) { loops += forLoopsIn(child); });
    }
    return loops;
}

// The work one round of a loop counts: its statements and the loop's own step, each as much as
// a statement run by the tree interpreter counts.
std::int32_t roundWork(const Block& body)
{
    return static_cast<std::int32_t>(body.size() + 1);
}

// The step of a binary operator: one of its own for the commonest, else the general one.
Op binaryStep(BinaryOp op)
{
    switch (op) {
    case BinaryOp::Add: return Op::Add;
    case BinaryOp::Subtract: return Op::Subtract;
    case BinaryOp::Multiply: return Op::Multiply;
    case BinaryOp::IntegerDivide: return Op::IntegerDivide;
    case BinaryOp::Modulo: return Op::Modulo;
    case BinaryOp::Equal: return Op::Equal;
    case BinaryOp::NotEqual: return Op::NotEqual;
    case BinaryOp::Less: return Op::Less;
    case BinaryOp::Greater: return Op::Greater;
    case BinaryOp::LessEqual: return Op::LessEqual;
    case BinaryOp::GreaterEqual: return Op::GreaterEqual;
    default: return Op::Binary;
    }
}

// name.member: the object a plain name (a variable, a named object, Err ...).
bool isMemberOfName(const Expr& expression)
{
    return expression.kind == ExprKind::Member &&
           static_cast<const MemberExpr&>(expression).object->kind == ExprKind::Name;
}

bool isCallOfName(const Expr& expression)
{
    return expression.kind == ExprKind::Call &&
           static_cast<const CallExpr&>(expression).callee->kind == ExprKind::Name;
}

bool isLiteralForm(const Expr& expression)
{
    return expression.kind == ExprKind::Literal && static_cast<const LiteralExpr&>(expression).literalForm;
}

class Generator {
public:
    // Each For loop keeps its state in slots of its own (LoopSlots), right after the
    // procedure's variables; what statements compute comes after those.
    // The aliases of script variables (GlobalAlias) come next, as many as aliasCapacity.
    Generator(int firstSlot, int forLoops, std::size_t aliasCapacity)
        : m_loopSlots(firstSlot), m_firstAlias(firstSlot + forLoops * LoopSlots), m_aliasCapacity(aliasCapacity),
          m_firstRegister(m_firstAlias + static_cast<int>(aliasCapacity)), m_nextRegister(m_firstRegister),
          m_registerEnd(m_firstRegister)
    {
    }

    std::shared_ptr<Code> run(const Block& block)
    {
        m_out = &m_code->instructions;
        compileBlock(block);
        emit({Op::Return});
        // Argument code goes after the body; it holds no jumps, so it moves as it is.
        for (std::size_t i = 0; i < m_argumentCode.size(); ++i) {
            m_code->arguments[i].start = static_cast<std::int32_t>(m_code->instructions.size());
            m_code->instructions.insert(m_code->instructions.end(), m_argumentCode[i].begin(), m_argumentCode[i].end());
        }
        m_code->firstAlias = m_firstAlias;
        m_code->firstRegister = m_firstRegister;
        return m_code;
    }

    int registerEnd() const { return m_registerEnd; }
    std::size_t aliasCount() const { return m_code->aliases.size(); }

private:
    enum class LoopKind { For, Do, Wend };
    struct Loop {
        LoopKind kind;
    };

    std::int32_t here() const { return static_cast<std::int32_t>(m_out->size()); }
    std::size_t emit(Instruction instruction)
    {
        instruction.statement = m_statement;
        m_out->push_back(instruction);
        return m_out->size() - 1;
    }
    Instruction& at(std::size_t index) { return (*m_out)[index]; }

    Operand newRegister()
    {
        const Operand slot = m_nextRegister++;
        m_registerEnd = std::max(m_registerEnd, m_nextRegister);
        return slot;
    }

    Operand constant(const Value& value)
    {
        m_code->constants.push_back(value);
        return constantOperand(static_cast<std::int32_t>(m_code->constants.size() - 1));
    }

    // The innermost loop an Exit of that kind leaves (Exit Do passes While...Wend by).
    std::optional<std::size_t> exitedLoop(LoopKind kind) const
    {
        for (std::size_t depth = m_loops.size(); depth-- > 0;)
            if (m_loops[depth].kind == kind)
                return depth;
        return std::nullopt;
    }

    // Targets are filled in once the loop's end is known; instructions are patched by index,
    // as the list grows meanwhile. -1 leaves the body.
    void exitTo(LoopKind kind, std::size_t instruction, std::int32_t Instruction::*field)
    {
        at(instruction).*field = -1;
        if (const auto loop = exitedLoop(kind))
            m_pendingExits.push_back({*loop, instruction, field});
    }

    void closeLoop()
    {
        const std::int32_t end = here();
        const std::size_t loop = m_loops.size() - 1;
        std::erase_if(m_pendingExits, [&](const PendingExit& exit) {
            if (exit.loop != loop)
                return false;
            at(exit.instruction).*exit.field = end;
            return true;
        });
    }

    // A block's statements; the steps after it belong to the statement around it again.
    void compileBlock(const Block& block)
    {
        const Stmt* around = m_statement;
        for (const StmtPtr& statement : block)
            compileStatement(*statement);
        m_statement = around;
    }

    void compileStatement(const Stmt& statement)
    {
        m_statement = &statement;
        m_nextRegister = m_firstRegister;
        switch (statement.kind) {
        case StmtKind::Assign: {
            const auto& assign = static_cast<const AssignStmt&>(statement);
            if (isCallOfName(*assign.target)) {
                guarded([&] { compileIndexedAssign(assign); });
                return;
            }
            const bool toName = assign.target->kind == ExprKind::Name;
            if (!toName && !isMemberOfName(*assign.target))
                break;
            if (appendsToItself(assign)) {
                guarded([&] { compileAppend(assign); });
                return;
            }
            guarded([&] {
                const Operand value = compileExpression(*assign.value, true);
                if (toName && !assign.isSet) {
                    if (const auto target = variableSlot(static_cast<const NameExpr&>(*assign.target))) {
                        emit({.op = Op::Store, .a = *target, .b = value, .node = &assign});
                        return;
                    }
                }
                emit({.op = toName ? Op::Assign : Op::AssignMember, .a = value, .node = &assign});
            });
            return;
        }
        case StmtKind::Call: {
            const auto& call = static_cast<const CallStmt&>(statement);
            if (call.callee->kind == ExprKind::Name)
                guarded([&] { compileCall(Op::CallName, &call, true, call.args, -1); });
            else if (isMemberOfName(*call.callee))
                guarded([&] { compileCall(Op::CallMember, &call, true, call.args, -1); });
            else
                break;
            return;
        }
        case StmtKind::If: compileIf(static_cast<const IfStmt&>(statement)); return;
        case StmtKind::For: compileFor(static_cast<const ForStmt&>(statement)); return;
        case StmtKind::Do: compileDo(static_cast<const DoStmt&>(statement)); return;
        case StmtKind::Exit: {
            const auto what = static_cast<const ExitStmt&>(statement).what;
            if (what == ExitKind::Do || what == ExitKind::For) {
                const std::size_t jump = emit({Op::Jump});
                exitTo(what == ExitKind::Do ? LoopKind::Do : LoopKind::For, jump, &Instruction::a);
            } else {
                emit({Op::Return});
            }
            return;
        }
        case StmtKind::Declaration: return;
        default: break;
        }
        const std::size_t execute = emit({.op = Op::Execute, .node = &statement});
        exitTo(LoopKind::Do, execute, &Instruction::b);
        exitTo(LoopKind::For, execute, &Instruction::c);
    }

    void compileIf(const IfStmt& statement)
    {
        std::vector<std::size_t> toEnd;
        for (const auto& branch : statement.branches) {
            m_nextRegister = m_firstRegister;
            const std::vector<std::size_t> skips = guarded([&] { compileCondition(*branch.condition, false); });
            compileBlock(branch.body);
            toEnd.push_back(emit({Op::Jump}));
            for (const std::size_t skip : skips)
                pointJump(skip, here());
        }
        compileBlock(statement.elseBody);
        for (const std::size_t jump : toEnd)
            at(jump).a = here();
    }

    void compileFor(const ForStmt& statement)
    {
        const std::int32_t loop = m_loopSlots + LoopSlots * m_code->loops++;
        emit({.op = Op::ForCounter, .a = loop, .node = &statement});
        // Each bound is taken as a number before the next one is evaluated.
        const auto bound = [&](const Expr& expression, std::int32_t which) {
            m_nextRegister = m_firstRegister;
            const Operand value = compileExpression(expression, true);
            emit({.op = Op::ForBound, .a = loop, .b = value, .c = which});
        };
        bound(*statement.from, 0);
        bound(*statement.to, 1);
        if (statement.step)
            bound(*statement.step, 2);
        emit({.op = Op::ForStart, .a = loop});
        const std::size_t done = emit({.op = Op::ForTest, .a = loop});
        const std::int32_t body = here();
        m_loops.push_back({LoopKind::For});
        compileBlock(statement.body);
        emit({.op = Op::ForNext, .a = loop, .b = body, .d = roundWork(statement.body)});
        at(done).b = here();
        closeLoop();
        m_loops.pop_back();
    }

    void compileDo(const DoStmt& statement)
    {
        using Test = DoStmt::Test;
        const std::int32_t top = here();
        std::vector<std::size_t> toEnd;
        const auto test = [&](bool continueWhen) {
            m_nextRegister = m_firstRegister;
            const std::vector<std::size_t> jumps =
                guarded([&] { compileCondition(*statement.condition, !continueWhen); });
            toEnd.insert(toEnd.end(), jumps.begin(), jumps.end());
        };
        if (statement.test == Test::WhileBefore || statement.test == Test::UntilBefore)
            test(statement.test == Test::WhileBefore);
        m_loops.push_back({statement.isWhileWend ? LoopKind::Wend : LoopKind::Do});
        compileBlock(statement.body);
        if (statement.test == Test::WhileAfter || statement.test == Test::UntilAfter)
            test(statement.test == Test::WhileAfter);
        emit({.op = Op::LoopBack, .a = top, .d = roundWork(statement.body)});
        for (const std::size_t jump : toEnd)
            pointJump(jump, here());
        closeLoop();
        m_loops.pop_back();
    }

    // A piece of straight-line code (a statement, or a condition and its jump) that may read
    // and write script variables through their aliases: a guard, the aliased version, a jump
    // over, and the plain version the guard turns to while a name is not a bound variable.
    // A piece that names no script variable is emitted once, without a guard. Returns where
    // the piece's last step landed in each version, for the caller to point its jumps.
    template <typename Piece>
    std::vector<std::size_t> guarded(Piece&& piece)
    {
        const Operand registers = m_nextRegister;
        const std::size_t guard = emit({Op::CheckGlobals});
        m_aliasing = true;
        m_guardMask = 0;
        piece();
        m_aliasing = false;
        if (m_guardMask == 0) {
            // Nothing in the piece records where its own steps are, so they move up as they are.
            m_out->erase(m_out->begin() + static_cast<std::ptrdiff_t>(guard));
            return {m_out->size() - 1};
        }
        std::vector<std::size_t> lasts{m_out->size() - 1};
        const std::size_t over = emit({Op::Jump});
        at(guard).b = here();
        at(guard).c = static_cast<std::int32_t>(m_code->guards.size());
        m_code->guards.push_back(m_guardMask);
        m_nextRegister = registers;
        piece();
        lasts.push_back(m_out->size() - 1);
        at(over).a = here();
        return lasts;
    }

    // The alias slot of a script variable named in a guarded piece; none outside one, for a
    // name local to the procedure, or once the aliases are all taken.
    std::optional<Operand> aliasOf(const NameExpr& name, bool written)
    {
        if (!m_aliasing || name.ref.scope != NameScope::Global)
            return std::nullopt;
        std::vector<GlobalAlias>& aliases = m_code->aliases;
        auto found = std::find_if(aliases.begin(), aliases.end(),
                                  [&](const GlobalAlias& alias) { return alias.binding == name.ref.slot; });
        if (found == aliases.end()) {
            if (aliases.size() >= m_aliasCapacity)
                return std::nullopt;
            aliases.push_back({.binding = name.ref.slot,
                               .implicitSlot = name.ref.implicitSlot,
                               .slot = m_firstAlias + static_cast<std::int32_t>(aliases.size())});
            found = aliases.end() - 1;
        }
        found->written = found->written || written;
        m_guardMask |= std::uint64_t{1} << static_cast<std::size_t>(found - aliases.begin());
        return found->slot;
    }

    // The slot an assignment to the name stores into: a local that is no constant, or a
    // script variable's alias.
    std::optional<Operand> variableSlot(const NameExpr& name)
    {
        if (name.ref.scope == NameScope::Local)
            return name.ref.constant ? std::nullopt : std::optional<Operand>(name.ref.slot);
        return aliasOf(name, true);
    }

    // An operand whose value nothing can change between being reached and being read: a
    // literal, a local, or a script variable read through its alias (a name that is a function
    // runs its plain version, where it is not steady).
    bool isSteady(const Expr& expression) const
    {
        if (expression.kind == ExprKind::Literal)
            return true;
        if (expression.kind != ExprKind::Name)
            return false;
        const auto& name = static_cast<const NameExpr&>(expression);
        if (name.ref.scope == NameScope::Local)
            return true;
        if (!m_aliasing || name.ref.scope != NameScope::Global)
            return false;
        const auto& aliases = m_code->aliases;
        return aliases.size() < m_aliasCapacity ||
               std::any_of(aliases.begin(), aliases.end(),
                           [&](const GlobalAlias& alias) { return alias.binding == name.ref.slot; });
    }

    // A condition and the jump it decides, to be pointed once its target is known: a
    // comparison is made and tested in one step.
    void compileCondition(const Expr& condition, bool jumpWhenTrue)
    {
        if (condition.kind == ExprKind::Binary) {
            const auto& binary = static_cast<const BinaryExpr&>(condition);
            if (binary.op >= BinaryOp::Equal && binary.op <= BinaryOp::GreaterEqual) {
                const Operand mark = m_nextRegister;
                const Operand left = compileExpression(*binary.left, isSteady(*binary.right));
                const Operand right = compileExpression(*binary.right, true);
                m_nextRegister = mark;
                emit({.op = jumpWhenTrue ? Op::CompareJumpIfTrue : Op::CompareJumpIfFalse,
                      .binary = binary.op,
                      .leftLiteral = isLiteralForm(*binary.left),
                      .rightLiteral = isLiteralForm(*binary.right),
                      .a = newRegister(),
                      .b = left,
                      .c = right});
                return;
            }
        }
        const Operand value = compileExpression(condition, true);
        emit({.op = jumpWhenTrue ? Op::JumpIfTrue : Op::JumpIfFalse, .a = value});
    }

    void pointJump(std::size_t jump, std::int32_t target)
    {
        Instruction& instruction = at(jump);
        if (instruction.op == Op::CompareJumpIfFalse || instruction.op == Op::CompareJumpIfTrue)
            instruction.d = target;
        else
            instruction.b = target;
    }

    // The operand holding the expression's value. A local may be read in place (inPlace) when
    // nothing runs between reaching it and the step that reads it.
    Operand compileExpression(const Expr& expression, bool inPlace)
    {
        switch (expression.kind) {
        case ExprKind::Literal: return constant(static_cast<const LiteralExpr&>(expression).value);
        case ExprKind::Name: {
            const auto& name = static_cast<const NameExpr&>(expression);
            if (name.ref.scope == NameScope::Local) {
                if (inPlace)
                    return name.ref.slot;
                const Operand copy = newRegister();
                emit({.op = Op::Move, .a = copy, .b = name.ref.slot});
                return copy;
            }
            if (const auto alias = aliasOf(name, false)) {
                if (inPlace)
                    return *alias;
                const Operand copy = newRegister();
                emit({.op = Op::Move, .a = copy, .b = *alias});
                return copy;
            }
            const Operand value = newRegister();
            emit({.op = Op::ReadName, .a = value, .node = &name});
            return value;
        }
        case ExprKind::Unary: {
            const auto& unary = static_cast<const UnaryExpr&>(expression);
            const Operand mark = m_nextRegister;
            const Operand operand = compileExpression(*unary.operand, true);
            m_nextRegister = mark;
            const Operand value = newRegister();
            emit({.op = Op::Unary, .unary = static_cast<std::uint8_t>(unary.op), .a = value, .b = operand});
            return value;
        }
        case ExprKind::Binary: {
            const auto& binary = static_cast<const BinaryExpr&>(expression);
            const Operand mark = m_nextRegister;
            const Operand left = compileExpression(*binary.left, isSteady(*binary.right));
            const Operand right = compileExpression(*binary.right, true);
            m_nextRegister = mark;
            const Operand value = newRegister();
            emit({.op = binaryStep(binary.op),
                  .binary = binary.op,
                  .leftLiteral = isLiteralForm(*binary.left),
                  .rightLiteral = isLiteralForm(*binary.right),
                  .a = value,
                  .b = left,
                  .c = right});
            return value;
        }
        case ExprKind::Member: {
            if (!isMemberOfName(expression))
                break;
            const Operand value = newRegister();
            emit({.op = Op::GetMember, .a = value, .node = &expression});
            return value;
        }
        case ExprKind::Call: {
            const auto& call = static_cast<const CallExpr&>(expression);
            const bool ofName = call.callee->kind == ExprKind::Name;
            if (!ofName && !isMemberOfName(*call.callee))
                break;
            const Operand value = newRegister();
            compileCall(ofName ? Op::CallName : Op::CallMember, &call, false, call.args, value);
            return value;
        }
        default: break;
        }
        const Operand value = newRegister();
        emit({.op = Op::Evaluate, .a = value, .node = &expression});
        return value;
    }

    // name args or name.member args: the call, then each argument's own code, to be run as the
    // call binds it.
    template <typename Node>
    void compileCall(Op op, const Node* node, bool isStatement, const std::vector<ExprPtr>& args, Operand result)
    {
        std::vector<const Expr*> operands;
        for (const ExprPtr& argument : args)
            operands.push_back(argument.get());
        const std::int32_t first = reserveArguments(operands.size());
        emit({.op = op, .a = result, .b = first, .c = isStatement ? 1 : 0, .node = node});
        compileArguments(first, operands);
    }

    // "s = s & a & b": the operands after the start, left to right, run one by one as the
    // append joins them.
    void compileAppend(const AssignStmt& statement)
    {
        std::vector<const Expr*> operands;
        for (const Expr* link = statement.value.get(); link != &chainStart(*statement.value);
             link = static_cast<const BinaryExpr*>(link)->left.get())
            operands.insert(operands.begin(), static_cast<const BinaryExpr*>(link)->right.get());
        const std::int32_t first = reserveArguments(operands.size());
        emit({.op = Op::Append, .b = first, .node = &statement});
        compileArguments(first, operands);
    }

    // name(i, j) = value: the indices, then the value, each as argument code.
    void compileIndexedAssign(const AssignStmt& statement)
    {
        const auto& target = static_cast<const CallExpr&>(*statement.target);
        std::vector<const Expr*> operands;
        for (const ExprPtr& index : target.args)
            operands.push_back(index.get());
        operands.push_back(statement.value.get());
        const std::int32_t first = reserveArguments(operands.size());
        emit({.op = Op::AssignIndexed,
              .b = first,
              .c = static_cast<std::int32_t>(target.args.size()),
              .node = &statement});
        compileArguments(first, operands);
    }

    std::int32_t reserveArguments(std::size_t count)
    {
        const auto first = static_cast<std::int32_t>(m_code->arguments.size());
        m_code->arguments.resize(m_code->arguments.size() + count);
        m_argumentCode.resize(m_code->arguments.size());
        return first;
    }

    void compileArguments(std::int32_t first, const std::vector<const Expr*>& operands)
    {
        const Operand mark = m_nextRegister;
        for (std::size_t i = 0; i < operands.size(); ++i) {
            std::vector<Instruction> code;
            std::vector<Instruction>* outer = std::exchange(m_out, &code);
            m_nextRegister = mark;
            const Operand value = compileExpression(*operands[i], true);
            emit({Op::EndArgument});
            m_out = outer;
            const std::size_t index = static_cast<std::size_t>(first) + i;
            m_code->arguments[index].result = value;
            m_argumentCode[index] = std::move(code);
        }
        m_nextRegister = mark;
    }

    struct PendingExit {
        std::size_t loop; // its depth among the open loops
        std::size_t instruction;
        std::int32_t Instruction::*field;
    };

    std::shared_ptr<Code> m_code = std::make_shared<Code>();
    std::vector<Instruction>* m_out = nullptr;
    std::vector<std::vector<Instruction>> m_argumentCode;
    std::vector<Loop> m_loops;
    std::vector<PendingExit> m_pendingExits;
    const Stmt* m_statement = nullptr;
    const int m_loopSlots;
    const int m_firstAlias;
    const std::size_t m_aliasCapacity;
    bool m_aliasing = false;      // compiling the aliased version of a guarded piece
    std::uint64_t m_guardMask = 0; // the aliases that version uses
    const int m_firstRegister;
    int m_nextRegister;
    int m_registerEnd;
};

} // namespace

std::shared_ptr<const Code> generateBlockCode(const Block& block, int& slotCount)
{
    if (setsErrorHandling(block))
        return nullptr;
    // A first pass finds the script variables worth an alias, so that their slots can come
    // before the registers.
    Generator discovery(slotCount, forLoopsIn(block), MaxAliases);
    discovery.run(block);
    Generator generator(slotCount, forLoopsIn(block), discovery.aliasCount());
    std::shared_ptr<const Code> code = generator.run(block);
    slotCount = generator.registerEnd();
    return code;
}

void generateProcedureCode(Program& program)
{
    for (auto& procedure : program.procedures)
        procedure->code = generateBlockCode(procedure->body, procedure->slotCount);
    for (auto& decl : program.classes)
        for (auto& procedure : decl->procedures)
            procedure->code = generateBlockCode(procedure->body, procedure->slotCount);
}

void generateCode(Program& program)
{
    generateProcedureCode(program);
    program.topLevelCode = generateBlockCode(program.statements, program.topLevelSlots);
}

} // namespace kestrelon::vbs
