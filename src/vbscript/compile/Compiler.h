// Compiling a script text: parse it, resolve its names. Compiled programs do not depend on the
// script host they run in, so one text is compiled once and its program reused every time it
// is added again (the battle run adds every unit's script in every frame).
#pragma once

#include "vbscript/syntax/Ast.h"
#include "vbscript/values/ScriptError.h"

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace kestrelon::vbs {

// Parses and resolves a text; raises the compilation error of the text if it has one.
std::shared_ptr<const Program> compileProgram(std::string_view text);

// The text Execute or Eval (asExpression) runs, compiled where it runs: at script level when
// enclosing is null, else inside that procedure (Program::enclosedBody), whose names it sees.
// Its procedures are compiled as any; the code itself runs through the tree interpreter.
std::shared_ptr<const Program> compileCodeText(TextView text, const Procedure* enclosing, bool asExpression);

// Programs by their text. A text that fails to compile keeps its error, so asking again raises
// exactly what compiling again would.
class ProgramCache {
public:
    // More distinct texts than this and the cache starts afresh (an edited script leaves its
    // old versions behind).
    static constexpr std::size_t MaxEntries = 64;

    std::shared_ptr<const Program> compile(const std::string& text);
    std::size_t size() const { return m_entries.size(); }

private:
    struct Entry {
        std::shared_ptr<const Program> program;
        std::optional<ScriptError> error;
    };
    std::unordered_map<std::string, Entry> m_entries;
};

} // namespace kestrelon::vbs
