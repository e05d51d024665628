// The trace of one unit: during each of its turns, one line for every Game method its script
// calls and every ThisGuy member it writes, with the arguments and the result, so a user can
// see what the script did pass by pass. Nothing is recorded outside the traced unit's turns.
#pragma once

#include "vbscript/values/Value.h"

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>

namespace kestrelon::sim {

// Texts longer than this are shortened in the middle in a trace line.
inline constexpr std::size_t TraceTextLength = 80;

class UnitTrace {
public:
    // unit: the unit traced (1-based); line receives each finished line.
    UnitTrace(std::int32_t unit, std::function<void(const std::string&)> line);

    std::int32_t unit() const { return m_unit; }
    // The traced unit's turn of pass begins or ends; calls are recorded only in between.
    void beginTurn(std::int32_t pass) { m_pass = pass; }
    void endTurn() { m_pass = 0; }
    bool recording() const { return m_pass > 0; }

    // "pass P: Game.Name(arguments) = result".
    void gameCall(std::string_view member, std::span<const vbs::Value> args, const vbs::Value& result);
    // "pass P: ThisGuy.Name = value" (a property) or "pass P: ThisGuy.Name(arguments)" (a method).
    void unitWrite(std::string_view member, std::span<const vbs::Value> args, bool isMethod);

private:
    std::int32_t m_unit;
    std::int32_t m_pass = 0;
    std::function<void(const std::string&)> m_line;
};

// A value as a trace line shows it: texts quoted (shortened in the middle past
// TraceTextLength), numbers and the rest as CStr gives them, objects and arrays by type.
std::string traceText(const vbs::Value& value);

} // namespace kestrelon::sim
