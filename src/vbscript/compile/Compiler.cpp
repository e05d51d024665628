// Compiling and the cache of compiled programs.
#include "vbscript/compile/Compiler.h"

#include "vbscript/compile/CodeGenerator.h"
#include "vbscript/syntax/Parser.h"
#include "vbscript/syntax/Resolver.h"

namespace kestrelon::vbs {

std::shared_ptr<const Program> compileProgram(std::string_view text)
{
    std::shared_ptr<Program> program = Parser(text).parseProgram();
    Resolver(*program).resolve();
    generateCode(*program);
    return program;
}

std::shared_ptr<const Program> compileCodeText(TextView text, const Procedure* enclosing, bool asExpression)
{
    Parser parser(text);
    std::shared_ptr<Program> program = asExpression ? parser.parseEvalProgram() : parser.parseProgram();
    Resolver resolver(*program);
    if (enclosing)
        resolver.resolveEnclosed(*enclosing);
    else
        resolver.resolve();
    generateProcedureCode(*program);
    return program;
}

std::shared_ptr<const Program> ProgramCache::compile(const std::string& text)
{
    if (const auto found = m_entries.find(text); found != m_entries.end()) {
        if (found->second.error)
            throw *found->second.error;
        return found->second.program;
    }
    if (m_entries.size() >= MaxEntries)
        m_entries.clear();
    Entry& entry = m_entries[text];
    try {
        entry.program = compileProgram(text);
    } catch (const ScriptError& error) {
        entry.error = error;
        throw;
    } catch (...) {
        m_entries.erase(text);
        throw;
    }
    return entry.program;
}

} // namespace kestrelon::vbs
