// Trace lines, in the script's own terms: the member as the reference spells it, the values as
// a script would print them.
#include "sim/UnitTrace.h"

#include "vbscript/values/Coercion.h"
#include "vbscript/values/ScriptError.h"
#include "vbscript/values/Text.h"

namespace kestrelon::sim {
namespace {

std::string shortened(std::string text)
{
    if (text.size() <= TraceTextLength)
        return text;
    const std::size_t keep = (TraceTextLength - 3) / 2;
    return text.substr(0, keep) + "..." + text.substr(text.size() - keep);
}

std::string argumentList(std::span<const vbs::Value> args)
{
    std::string list;
    for (std::size_t i = 0; i < args.size(); ++i)
        list += (i > 0 ? ", " : "") + traceText(args[i]);
    return list;
}

} // namespace

std::string traceText(const vbs::Value& value)
{
    if (value.isString())
        return "\"" + shortened(vbs::narrowText(value.asString())) + "\"";
    if (value.isObject() || value.isArray() || value.isEmpty() || value.isNull())
        return vbs::typeNameOf(value);
    try {
        return shortened(vbs::narrowText(vbs::toString(value)));
    } catch (const vbs::ScriptError&) {
        return vbs::typeNameOf(value);
    }
}

UnitTrace::UnitTrace(std::int32_t unit, std::function<void(const std::string&)> line)
    : m_unit(unit), m_line(std::move(line))
{
}

void UnitTrace::gameCall(std::string_view member, std::span<const vbs::Value> args, const vbs::Value& result)
{
    if (!recording())
        return;
    m_line("pass " + std::to_string(m_pass) + ": Game." + std::string(member) + "(" + argumentList(args) + ") = " +
           traceText(result));
}

void UnitTrace::unitWrite(std::string_view member, std::span<const vbs::Value> args, bool isMethod)
{
    if (!recording())
        return;
    std::string line = "pass " + std::to_string(m_pass) + ": ThisGuy." + std::string(member);
    if (isMethod)
        line += "(" + argumentList(args) + ")";
    else if (!args.empty())
        line += " = " + traceText(args.back());
    m_line(line);
}

} // namespace kestrelon::sim
