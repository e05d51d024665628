// The array built-ins: Array builds a zero-based Variant array of its arguments; LBound and
// UBound read the bounds of a dimension (1-based); IsArray tests for an array; Filter keeps
// the elements whose text holds (or lacks) a piece of text.
#include "vbscript/values/Array.h"
#include "vbscript/runtime/BuiltinSupport.h"
#include "vbscript/runtime/TextSearch.h"

#include <algorithm>
#include <array>
#include <memory>
#include <vector>

namespace kestrelon::vbs::builtins {
namespace {

// A zero-based array holding the values.
Value arrayOf(std::vector<Value> values)
{
    const auto upperBound = static_cast<std::int32_t>(values.size()) - 1;
    auto array = std::make_shared<Array>(std::vector<std::int32_t>{upperBound}, false);
    std::move(values.begin(), values.end(), array->elements().begin());
    return Value::array(std::move(array));
}

Value makeArray(BuiltinContext&, Args args)
{
    return arrayOf(std::vector<Value>(args.begin(), args.end()));
}

// The array and the 0-based dimension a bound function asks about.
const Array& boundedArray(Args args, int& dimension)
{
    if (!args[0].isArray())
        raise(ErrorCode::TypeMismatch);
    const Array& array = *args[0].asArray();
    const std::int32_t asked = given(args, 1) ? longArg(args[1]) : 1;
    if (!array.allocated() || asked < 1 || asked > array.dimensions())
        raise(ErrorCode::SubscriptOutOfRange);
    dimension = asked - 1;
    return array;
}

Value lBound(BuiltinContext&, Args args)
{
    int dimension = 0;
    boundedArray(args, dimension);
    return Value::longValue(0);
}

Value uBound(BuiltinContext&, Args args)
{
    int dimension = 0;
    const Array& array = boundedArray(args, dimension);
    return Value::longValue(array.upperBound(dimension));
}

Value isArray(BuiltinContext&, Args args)
{
    return Value::boolean(args[0].isArray());
}

// The text of an element, by the rules Join applies: Null and arrays raise 13, objects 438.
Text elementText(const Value& element)
{
    if (element.isNull() || element.isArray())
        raise(ErrorCode::TypeMismatch);
    if (element.isObject())
        raise(ErrorCode::MemberNotSupported);
    return toConcatString(element);
}

Text lowered(Text text)
{
    std::transform(text.begin(), text.end(), text.begin(), lowerAscii);
    return text;
}

bool holds(const Text& text, const Text& needle)
{
    return findText(text, needle, 0) != Text::npos;
}

// Filter(array, match[, include[, compare]]): the texts of the elements that hold match (with
// include False, those that do not) as a new zero-based array, empty (UBound -1) when none do.
Value filter(BuiltinContext&, Args args)
{
    const Value list = plainArg(args[0]);
    const Value match = plainArg(args[1]);
    const bool keepHolders = given(args, 2) ? toBoolean(args[2]) : true;
    const bool textCompare = textCompareArg(optionalArg(args, 3));
    if (list.isNull() || match.isNull())
        raise(ErrorCode::InvalidUseOfNull);
    if (!list.isArray())
        raise(ErrorCode::TypeMismatch);
    const Array& array = *list.asArray();
    if (array.allocated() && array.dimensions() != 1)
        raise(ErrorCode::TypeMismatch);
    const Text needle = textCompare ? lowered(toString(match)) : toString(match);
    std::vector<Value> kept;
    for (const Value& element : array.elements()) {
        Text text = elementText(element);
        countPiece(text.size());
        const bool found = textCompare ? holds(lowered(text), needle) : holds(text, needle);
        if (found == keepHolders)
            kept.push_back(Value::string(std::move(text)));
    }
    return arrayOf(std::move(kept));
}

constexpr std::array Table = {
    BuiltinEntry{"Array", 0, -1, makeArray},
    BuiltinEntry{"LBound", 1, 2, lBound},
    BuiltinEntry{"UBound", 1, 2, uBound},
    BuiltinEntry{"IsArray", 1, 1, isArray},
    BuiltinEntry{"Filter", 2, 4, filter},
};

} // namespace
} // namespace kestrelon::vbs::builtins

namespace kestrelon::vbs {

std::span<const BuiltinEntry> arrayBuiltins()
{
    return builtins::Table;
}

} // namespace kestrelon::vbs
