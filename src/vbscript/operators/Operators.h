// VBScript's operators on Variants, with its result subtypes (Integer overflowing into Long,
// Long into Double; "/" always Double; "\" and Mod rounding their operands half to even),
// Null propagation, and its comparison rules for text against numbers.
#pragma once

#include "vbscript/values/Value.h"

namespace kestrelon::vbs {

enum class BinaryOp {
    Add, Subtract, Multiply, Divide, IntegerDivide, Modulo, Power, Concatenate,
    Equal, NotEqual, Less, Greater, LessEqual, GreaterEqual,
    And, Or, Xor, Eqv, Imp,
};

enum class UnaryOp { Negate, Plus, Not };

// How an operand stood in the source: a literal (number, string or date, possibly in
// parentheses) is compared by other rules than a variable or an expression.
struct OperandForm {
    bool literal = false;
};

Value applyBinary(BinaryOp op, const Value& left, const Value& right,
                  OperandForm leftForm = {}, OperandForm rightForm = {});
Value applyUnary(UnaryOp op, const Value& operand);

// The truth of a condition (If, While, Until): Null and Empty are false, text is converted.
bool isTrue(const Value& condition);

// Equality as Select Case tests its items (the "=" rules; a type mismatch is no match).
bool caseMatches(const Value& selector, const Value& item, OperandForm itemForm);

} // namespace kestrelon::vbs
