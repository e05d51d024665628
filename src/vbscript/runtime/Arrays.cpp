// The array built-ins: Array builds a zero-based Variant array of its arguments; LBound and
// UBound read the bounds of a dimension (1-based); IsArray tests for an array.
#include "vbscript/values/Array.h"
#include "vbscript/runtime/BuiltinSupport.h"

#include <algorithm>
#include <array>
#include <memory>

namespace kestrelon::vbs::builtins {
namespace {

Value makeArray(BuiltinContext&, Args args)
{
    auto array = std::make_shared<Array>(std::vector<std::int32_t>{static_cast<std::int32_t>(args.size()) - 1}, false);
    std::copy(args.begin(), args.end(), array->elements().begin());
    return Value::array(std::move(array));
}

// The array and the 0-based dimension a bound function asks about.
const Array& boundedArray(Args args, int& dimension)
{
    if (!args[0].isArray())
        raise(13);
    const Array& array = *args[0].asArray();
    const std::int32_t asked = given(args, 1) ? longArg(args[1]) : 1;
    if (!array.allocated() || asked < 1 || asked > array.dimensions())
        raise(9);
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

constexpr std::array Table = {
    BuiltinEntry{"Array", 0, -1, makeArray},
    BuiltinEntry{"LBound", 1, 2, lBound},
    BuiltinEntry{"UBound", 1, 2, uBound},
    BuiltinEntry{"IsArray", 1, 1, isArray},
};

} // namespace
} // namespace kestrelon::vbs::builtins

namespace kestrelon::vbs {

std::span<const BuiltinEntry> arrayBuiltins()
{
    return builtins::Table;
}

} // namespace kestrelon::vbs
