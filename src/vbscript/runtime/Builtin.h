// The built-in functions and constants of the language. Each topic file of runtime/ ends with
// its registration table; the interpreter looks names up in the joined tables once, when a
// script is compiled, never by comparing names at call time.
#pragma once

#include "vbscript/values/Value.h"

#include <memory>
#include <span>
#include <string>
#include <string_view>

namespace kestrelon {
class Dialogs;
class RandomGenerator;
} // namespace kestrelon

namespace kestrelon::vbs {

// What a built-in may need from the engine that runs it.
class BuiltinContext {
public:
    virtual ~BuiltinContext() = default;
    // MsgBox and InputBox; nullptr when the host gave none (then MsgBox shows nothing).
    virtual Dialogs* dialogs() = 0;
    // The engine's Rnd generator (each engine has its own, as each script host does).
    virtual RandomGenerator& random() = 0;
    // The value Rnd returned last, for Rnd(0).
    virtual float& lastRandom() = 0;
    // An object a built-in made that may hold script values: emptied when the level is reset.
    virtual void keepTrackOf(const std::shared_ptr<Object>& container) = 0;
};

using BuiltinFunction = Value (*)(BuiltinContext& context, std::span<const Value> args);

struct BuiltinEntry {
    const char* name;
    int minArgs;
    int maxArgs; // -1: any number (Array)
    BuiltinFunction function;
};

struct ConstantEntry {
    const char* name;
    Value (*value)();
};

// The tables of each topic file.
std::span<const BuiltinEntry> conversionBuiltins();
std::span<const BuiltinEntry> mathBuiltins();
std::span<const BuiltinEntry> stringBuiltins();
std::span<const BuiltinEntry> stringSearchBuiltins();
std::span<const BuiltinEntry> byteStringBuiltins();
std::span<const BuiltinEntry> arrayBuiltins();
std::span<const BuiltinEntry> typeBuiltins();
std::span<const BuiltinEntry> dateBuiltins();
std::span<const BuiltinEntry> dateArithmeticBuiltins();
std::span<const BuiltinEntry> formattingBuiltins();
std::span<const BuiltinEntry> encodingBuiltins();
std::span<const BuiltinEntry> engineBuiltins();
std::span<const BuiltinEntry> interactionBuiltins();
std::span<const ConstantEntry> builtinConstants();

// The built-in of that name (any letter case) from all tables, or nullptr.
const BuiltinEntry* findBuiltin(std::string_view name);
// The constant of that name (any letter case), or nullptr.
const ConstantEntry* findConstant(std::string_view name);

// True for CBool … CStr: called as a statement (Call CInt(1)) they raise 458 once they have
// run, as the Windows engine does, though x = CInt(1) is fine.
bool isConversionFunction(const BuiltinEntry& entry);

// Calls a built-in after checking the argument count (450 "Wrong number of arguments" when
// it is outside the entry's range). Arguments are the values as the script gave them.
Value callBuiltin(const BuiltinEntry& entry, BuiltinContext& context, std::span<const Value> args);

} // namespace kestrelon::vbs
