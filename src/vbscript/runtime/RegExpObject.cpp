// RegExp's members. The pattern is compiled when a search first needs it, and again only after
// Pattern, IgnoreCase or Multiline changed, so a bad pattern raises its error at the search. A
// global search goes on where the last match ended, one unit further after an empty one.
#include "vbscript/runtime/RegExpObject.h"

#include "vbscript/host/HostBinding.h"
#include "vbscript/runtime/BuiltinSupport.h"
#include "vbscript/runtime/CompiledPattern.h"
#include "vbscript/runtime/RegExpMatches.h"
#include "vbscript/runtime/RegExpReplacement.h"

#include <utility>

namespace kestrelon::vbs {
namespace {

class RegExp : public HostObject<RegExp> {
public:
    static const HostClass<RegExp>& binding();

private:
    bool test(const Text& subject);
    Value execute(const Text& subject);
    Text replace(const Text& subject, const Text& replacement);

    CompiledPattern& compiled();
    template <typename Found>
    void eachMatch(const Text& subject, Found found);

    Text m_pattern;
    bool m_global = false;
    bool m_ignoreCase = false;
    bool m_multiline = false;

    // The compiled pattern and what it was compiled from.
    std::unique_ptr<CompiledPattern> m_compiled;
    Text m_compiledPattern;
    bool m_compiledIgnoreCase = false;
    bool m_compiledMultiline = false;
};

const HostClass<RegExp>& RegExp::binding()
{
    static const HostClass<RegExp> table = [] {
        HostClass<RegExp> members("IRegExp2");
        members.property("Pattern", &RegExp::m_pattern)
            .property("Global", &RegExp::m_global)
            .property("IgnoreCase", &RegExp::m_ignoreCase)
            .property("Multiline", &RegExp::m_multiline)
            .method("Test", &RegExp::test)
            .method("Execute", &RegExp::execute)
            .method("Replace", &RegExp::replace);
        return members;
    }();
    return table;
}

// Test finds the first match, whatever Global says.
bool RegExp::test(const Text& subject)
{
    return compiled().search(subject, 0).has_value();
}

Value RegExp::execute(const Text& subject)
{
    std::vector<Value> matches;
    eachMatch(subject, [&](const MatchSpans& spans) {
        matches.push_back(Value::object(std::make_shared<RegExpMatch>(subject, spans)));
    });
    return Value::object(std::make_shared<RegExpList>("IMatchCollection2", std::move(matches)));
}

Text RegExp::replace(const Text& subject, const Text& replacement)
{
    Text out;
    std::size_t copied = 0;
    eachMatch(subject, [&](const MatchSpans& spans) {
        appendPiece(out, TextView(subject).substr(copied, spans[0].start - copied));
        appendReplacement(out, replacement, subject, spans);
        copied = spans[0].end;
    });
    appendPiece(out, TextView(subject).substr(copied));
    return out;
}

CompiledPattern& RegExp::compiled()
{
    if (!m_compiled || m_compiledPattern != m_pattern || m_compiledIgnoreCase != m_ignoreCase ||
        m_compiledMultiline != m_multiline) {
        m_compiled.reset();
        m_compiled = std::make_unique<CompiledPattern>(m_pattern, m_ignoreCase, m_multiline);
        m_compiledPattern = m_pattern;
        m_compiledIgnoreCase = m_ignoreCase;
        m_compiledMultiline = m_multiline;
    }
    return *m_compiled;
}

// Calls found with each match: the first only, unless Global.
template <typename Found>
void RegExp::eachMatch(const Text& subject, Found found)
{
    CompiledPattern& pattern = compiled();
    std::size_t from = 0;
    while (from <= subject.size()) {
        const auto spans = pattern.search(subject, from);
        if (!spans)
            return;
        builtins::countPiece(0);
        found(*spans);
        if (!m_global)
            return;
        const MatchSpan& match = (*spans)[0];
        from = match.end > match.start ? match.end : match.end + 1;
    }
}

} // namespace

std::shared_ptr<Object> makeRegExp()
{
    return std::make_shared<RegExp>();
}

} // namespace kestrelon::vbs
