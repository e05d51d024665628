// The compiled form of a procedure's body or of a program's top-level statements: a flat list
// of instructions over the frame's slots, so a statement runs as a few steps in one loop
// instead of a walk over its syntax tree. Locals are read where they lie, constants from the
// code's own table, and what is computed lands in extra slots of the frame (its registers).
// Work is counted towards the time limit where loops come round and where calls begin, the
// only ways a script runs long. Constructs without an instruction of their own (With, Select
// Case, For Each, member calls, indexed assignment, ReDim ...) run through the tree
// interpreter from an instruction that names their node, so every construct keeps exactly one
// meaning.
#pragma once

#include "vbscript/operators/Operators.h"
#include "vbscript/syntax/Ast.h"
#include "vbscript/values/Value.h"

#include <cstdint>
#include <vector>

namespace kestrelon::vbs {

enum class Op : std::uint8_t {
    Jump,        // to a
    LoopBack,    // a loop comes round: counts the work of d statements, then to a
    JumpIfFalse, // to b unless operand a is true
    JumpIfTrue,  // to b if operand a is true
    // A condition that is a comparison, compared and tested in one step: operand b binary
    // operand c (left in slot a when the full rules work it out), then to d unless it holds /
    // if it holds.
    CompareJumpIfFalse,
    CompareJumpIfTrue,
    Move,        // slot a = operand b (a copy)
    ReadName,    // slot a = the value of a name that is not a plain local (node: NameExpr)
    Unary,       // slot a = unary op of operand b
    Binary,      // slot a = operand b op operand c
    // The same for the commonest operators, each a step of its own so its number cases are
    // done on the spot.
    Add, Subtract, Multiply, IntegerDivide, Modulo,
    Equal, NotEqual, Less, Greater, LessEqual, GreaterEqual,
    CallName,    // slot a = name(args), or no slot (a < 0); node: CallExpr (c = 0) or CallStmt
                 // (c = 1), b: the index of its first argument's code
    GetMember,   // slot a = name.member (node: MemberExpr whose object is a name)
    CallMember,  // slot a (or none) = name.member(args): as CallName, the callee a MemberExpr
    Evaluate,    // slot a = the expression node, through the tree interpreter
    Assign,      // name = operand a, or Set name = operand a (node: AssignStmt)
    AssignMember, // name.member = operand a (node: AssignStmt)
    AssignIndexed, // name(i, j) = value (node: AssignStmt): c indices, then the value, as
                   // argument code from b on
    Append,      // s = s & tail or x.m = x.m & tail (node: AssignStmt), the tail's operands
                 // as argument code from b on
    Execute,     // the statement node, through the tree interpreter; Exit Do to b, Exit For to c
    // For loops: a is the first of the loop's slots (LoopSlots).
    ForCounter,  // the loop's counter is the variable of the For node's counter name
    ForBound,    // the loop's start (c = 0), end (1) or step (2) is operand b, taken as a number
    ForStart,    // the loop's counter takes its start
    ForTest,     // the loop has passed its end: to b
    ForNext,     // the loop comes round (the work of d statements): its counter takes its step,
                 // and unless that passes its end, to b
    // Script variables read and written where they lie (GlobalAlias):
    CheckGlobals, // unless the aliases of guard c refer to their variables, to b (the piece's
                  // plain version, which looks its names up)
    Store,       // alias slot a = operand b, as name = value (node: AssignStmt)
    Return,      // the body ends (Exit Sub, Exit Function, or the last statement done)
    EndArgument, // an argument's code is done
};

// Where an operand is: a frame slot (0 and up) or a constant of the code (~index).
using Operand = std::int32_t;
constexpr Operand NoOperand = INT32_MIN;
constexpr bool isConstant(Operand operand) { return operand < 0; }
constexpr Operand constantOperand(std::int32_t index) { return ~index; }
constexpr std::int32_t constantIndex(Operand operand) { return ~operand; }

struct Instruction {
    Op op;
    // Binary and its kin: the operator; Unary: the operator as a number.
    BinaryOp binary = BinaryOp::Add;
    std::uint8_t unary = 0;
    // Binary: which operands were written as literals (they compare by the literal rules).
    bool leftLiteral = false;
    bool rightLiteral = false;
    std::int32_t a = 0;
    std::int32_t b = 0;
    std::int32_t c = 0;
    std::int32_t d = NoOperand;
    const void* node = nullptr;
    // The statement the instruction belongs to: where an error it raises is placed.
    const Stmt* statement = nullptr;
};

// The code of one argument of a call: run when the call binds it, leaving its value in a slot.
struct ArgumentCode {
    std::int32_t start = 0; // the first instruction; the code ends with EndArgument
    Operand result = 0;
};

// The slots of a For loop's state, from its first: the counter variable itself (the slot
// refers to it, as a ByRef parameter refers to its argument), the start (then whether the
// loop counts upwards), the step and the end.
enum LoopSlot : std::int32_t { LoopCounter, LoopStart, LoopStep, LoopEnd, LoopSlots };
constexpr std::int32_t LoopUpwards = LoopStart;

// A script variable (a global name) that code reads and writes through a slot of its own, which
// refers to the variable as a ByRef parameter refers to its argument. The slot is pointed at
// the variable when a guard first runs after the script level changed; a name that is not a
// variable then (a constant of the host, a procedure, a name not made yet) leaves the guard's
// pieces to their plain versions, which look the name up at every use.
struct GlobalAlias {
    std::int32_t binding = 0;       // the program's global name index
    std::int32_t implicitSlot = -1; // in a procedure: the slot the name takes when undeclared
    std::int32_t slot = 0;
    bool written = false;           // assigned through the slot, so a constant will not do
};

// At most this many names per body are aliased; the guards test them as bits of one word.
constexpr std::size_t MaxAliases = 64;

struct Code {
    std::vector<Instruction> instructions;
    std::vector<GlobalAlias> aliases;
    std::vector<std::uint64_t> guards; // the aliases each guard needs, as bits
    std::vector<Value> constants;
    std::vector<ArgumentCode> arguments;
    int loops = 0;         // For loops, each with slots of its own for its state
    int firstAlias = 0;    // the aliases' slots, after the loops' and before the registers
    int firstRegister = 0; // slots from here on hold what statements compute
};

} // namespace kestrelon::vbs
