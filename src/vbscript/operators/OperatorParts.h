// What the operator files share: the operand kinds of arithmetic after an object has given
// its default value, and the entry points that Operators.cpp dispatches to.
#pragma once

#include "vbscript/operators/Operators.h"
#include "vbscript/values/Value.h"

#include <optional>

namespace kestrelon::vbs::operators {

// The operand classes that decide arithmetic result types. Boolean and Empty count as Integer
// in arithmetic; a String is parsed as a number except where "+" joins two strings.
enum class Kind { Empty, Boolean, Byte, Integer, Long, Single, Double, Currency, Date, String };

// The kind of a plain (non-object, non-Null) operand; 13 for arrays and Error values.
Kind kindOf(const Value& operand);

Value add(const Value& left, const Value& right);
Value subtract(const Value& left, const Value& right);
Value multiply(const Value& left, const Value& right);
Value divide(const Value& left, const Value& right);
Value integerDivide(const Value& left, const Value& right);
Value modulo(const Value& left, const Value& right);
Value power(const Value& left, const Value& right);
Value negate(const Value& operand);

// -1, 0 or 1 for left against right; nullopt when either is Null.
std::optional<int> compare(const Value& left, const Value& right, OperandForm leftForm, OperandForm rightForm);

Value logical(BinaryOp op, const Value& left, const Value& right);
Value logicalNot(const Value& operand);

} // namespace kestrelon::vbs::operators
