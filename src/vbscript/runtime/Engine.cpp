// What scripts ask about the engine that runs them: its name and version, and its locale.
// Only en-US (LCID 1033) is supported, so SetLocale accepts that locale alone and refuses any
// other with 447 rather than let a script believe its numbers and dates follow another one.
#include "platform/Rounding.h"
#include "vbscript/runtime/BuiltinSupport.h"

#include <array>

namespace kestrelon::vbs::builtins {
namespace {

constexpr std::int32_t EnglishUnitedStates = 1033;
constexpr std::int32_t SystemDefault = 0; // the system's locale, en-US here
constexpr std::int32_t MajorVersion = 5;
constexpr std::int32_t MinorVersion = 8;
constexpr std::int32_t BuildVersion = 16384;

Value scriptEngine(BuiltinContext&, Args) { return Value::string(u"VBScript"); }
Value majorVersion(BuiltinContext&, Args) { return Value::longValue(MajorVersion); }
Value minorVersion(BuiltinContext&, Args) { return Value::longValue(MinorVersion); }
Value buildVersion(BuiltinContext&, Args) { return Value::longValue(BuildVersion); }
Value getLocale(BuiltinContext&, Args) { return Value::longValue(EnglishUnitedStates); }

bool isEnglishNumber(double lcid)
{
    const double whole = roundHalfEven(lcid);
    return whole == EnglishUnitedStates || whole == SystemDefault;
}

// Whether a SetLocale argument names en-US: its LCID 1033 (a number or numeric text), its name
// "en-us" in any letter case, or 0 for the system's locale. Null raises 94.
bool namesEnglish(const Value& arg)
{
    const Value v = plainArg(arg);
    if (v.isNull())
        raise(ErrorCode::InvalidUseOfNull);
    if (!v.isString())
        return isEnglishNumber(toDouble(v));
    Text name = v.asString();
    for (char16_t& c : name)
        c = lowerAscii(c);
    if (name == u"en-us")
        return true;
    const auto number = parseScriptNumber(v.asString());
    return number && isEnglishNumber(*number);
}

// SetLocale([lcid]): answers the locale before the call, which is always en-US; without an
// argument the system's locale is taken.
Value setLocale(BuiltinContext&, Args args)
{
    if (!args.empty() && !namesEnglish(args[0]))
        raise(ErrorCode::LocaleNotSupported);
    return Value::longValue(EnglishUnitedStates);
}

constexpr std::array Table = {
    BuiltinEntry{"ScriptEngine", 0, 0, scriptEngine},
    BuiltinEntry{"ScriptEngineMajorVersion", 0, 0, majorVersion},
    BuiltinEntry{"ScriptEngineMinorVersion", 0, 0, minorVersion},
    BuiltinEntry{"ScriptEngineBuildVersion", 0, 0, buildVersion},
    BuiltinEntry{"GetLocale", 0, 0, getLocale},
    BuiltinEntry{"SetLocale", 0, 1, setLocale},
};

} // namespace
} // namespace kestrelon::vbs::builtins

namespace kestrelon::vbs {

std::span<const BuiltinEntry> engineBuiltins()
{
    return builtins::Table;
}

} // namespace kestrelon::vbs
