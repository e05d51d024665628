// The joined look-up of built-in functions and constants: every topic table is put once into
// a map keyed by the lower-case name, so the compiler resolves a name with one look-up and
// nothing compares names while a script runs.
#include "vbscript/runtime/Builtin.h"

#include "vbscript/host/HostBinding.h"
#include "vbscript/values/ScriptError.h"

#include <cassert>
#include <unordered_map>

namespace kestrelon::vbs {
namespace {

using BuiltinMap = std::unordered_map<std::string, const BuiltinEntry*>;
using ConstantMap = std::unordered_map<std::string, const ConstantEntry*>;

BuiltinMap buildBuiltinMap()
{
    BuiltinMap map;
    for (const auto table : {conversionBuiltins(), mathBuiltins(), stringBuiltins(), stringSearchBuiltins(),
                             byteStringBuiltins(), arrayBuiltins(), typeBuiltins(), dateBuiltins(),
                             dateArithmeticBuiltins(), formattingBuiltins(), encodingBuiltins(), engineBuiltins(),
                             interactionBuiltins()}) {
        for (const BuiltinEntry& entry : table) {
            const bool added = map.emplace(binding::foldName(entry.name), &entry).second;
            assert(added && "a built-in is registered twice");
            (void)added;
        }
    }
    return map;
}

ConstantMap buildConstantMap()
{
    ConstantMap map;
    for (const ConstantEntry& entry : builtinConstants())
        map.emplace(binding::foldName(entry.name), &entry);
    return map;
}

} // namespace

const BuiltinEntry* findBuiltin(std::string_view name)
{
    static const BuiltinMap map = buildBuiltinMap();
    const auto found = map.find(binding::foldName(name));
    return found == map.end() ? nullptr : found->second;
}

const ConstantEntry* findConstant(std::string_view name)
{
    static const ConstantMap map = buildConstantMap();
    const auto found = map.find(binding::foldName(name));
    return found == map.end() ? nullptr : found->second;
}

bool isConversionFunction(const BuiltinEntry& entry)
{
    const auto table = conversionBuiltins();
    return &entry >= table.data() && &entry < table.data() + table.size() && entry.name[0] == 'C';
}

// An argument left out (MsgBox text, , title) reaches the function as a missing value, which
// its optional arguments read as not given (optionalArg).
Value callBuiltin(const BuiltinEntry& entry, BuiltinContext& context, std::span<const Value> args)
{
    const auto count = static_cast<int>(args.size());
    if (count < entry.minArgs || (entry.maxArgs >= 0 && count > entry.maxArgs))
        throw ScriptError::runtime(ErrorCode::WrongArgumentCount);
    return entry.function(context, args);
}

} // namespace kestrelon::vbs
