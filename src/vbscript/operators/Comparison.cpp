// The comparison operators' rules: numbers compare by value, text by its bytes, and text
// against a number by how each stood in the source: against a numeric literal the text is
// read as a number, a string literal compares with the number's text, and otherwise text is
// always the greater.
#include "vbscript/values/Coercion.h"
#include "vbscript/values/Limits.h"
#include "vbscript/operators/OperatorParts.h"
#include "vbscript/values/ScriptError.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace kestrelon::vbs::operators {
namespace {

template <typename T>
int order(T left, T right)
{
    return left < right ? -1 : (right < left ? 1 : 0);
}

int compareText(TextView left, TextView right)
{
    addScriptWork(std::min(left.size(), right.size()));
    // Units compare as unsigned 16-bit numbers, the binary order of text.
    const int result = left.compare(right);
    return result < 0 ? -1 : (result > 0 ? 1 : 0);
}

// A Single beside a Double compares in single precision, as the script engine compares them:
// CSng(0.1) = 0.1 holds though the two differ in double precision. A Double beyond the Single
// range cannot be narrowed and compares as it is.
std::optional<int> compareSingleWithDouble(const Value& left, const Value& right)
{
    const bool leftSingle = left.type() == VarType::Single, rightSingle = right.type() == VarType::Single;
    if (!(leftSingle && right.type() == VarType::Double) && !(rightSingle && left.type() == VarType::Double))
        return std::nullopt;
    const double other = leftSingle ? right.asDouble() : left.asDouble();
    if (!(std::fabs(other) <= static_cast<double>(std::numeric_limits<float>::max())))
        return std::nullopt;
    const float narrowed = static_cast<float>(other);
    return leftSingle ? order(left.asSingle(), narrowed) : order(narrowed, right.asSingle());
}

int compareNumbers(const Value& left, const Value& right)
{
    if (left.isWholeNumber() && right.isWholeNumber())
        return order(left.wholeNumber(), right.wholeNumber());
    if (left.type() == VarType::Currency && right.type() == VarType::Currency)
        return order(left.asCurrencyScaled(), right.asCurrencyScaled());
    if (const auto single = compareSingleWithDouble(left, right))
        return *single;
    return order(toDouble(left), toDouble(right));
}

// Text against a number (never Empty): the literal rules.
int compareTextWithNumber(const Text& text, const Value& number, bool textLiteral, bool numberLiteral)
{
    if (numberLiteral) {
        const auto parsed = parseScriptNumber(text);
        if (!parsed)
            throw ScriptError::runtime(ErrorCode::TypeMismatch);
        return order(*parsed, toDouble(number));
    }
    if (textLiteral)
        return compareText(text, toString(number));
    return 1;
}

} // namespace

std::optional<int> compare(const Value& left, const Value& right, OperandForm leftForm, OperandForm rightForm)
{
    // Arrays cannot be compared, not even with Null.
    if (left.isArray() || right.isArray() || left.type() == VarType::Error || right.type() == VarType::Error)
        throw ScriptError::runtime(ErrorCode::TypeMismatch);
    if (left.isNull() || right.isNull())
        return std::nullopt;
    const Kind lk = kindOf(left), rk = kindOf(right);
    if (lk == Kind::String && rk == Kind::String)
        return compareText(left.asString(), right.asString());
    // Empty is "" beside text and 0 beside a number.
    if (lk == Kind::Empty && rk == Kind::String)
        return compareText(TextView(), right.asString());
    if (lk == Kind::String && rk == Kind::Empty)
        return compareText(left.asString(), TextView());
    if (lk == Kind::String)
        return compareTextWithNumber(left.asString(), right, leftForm.literal, rightForm.literal);
    if (rk == Kind::String)
        return -compareTextWithNumber(right.asString(), left, rightForm.literal, leftForm.literal);
    if (lk == Kind::Empty || rk == Kind::Empty) {
        const Value zero = Value::integer(0);
        return compareNumbers(lk == Kind::Empty ? zero : left, rk == Kind::Empty ? zero : right);
    }
    return compareNumbers(left, right);
}

} // namespace kestrelon::vbs::operators
