// Expanding RegExp.Replace's replacement text for each match.
#include "vbscript/runtime/RegExpReplacement.h"

#include "vbscript/runtime/BuiltinSupport.h"

#include <optional>

namespace kestrelon::vbs {
namespace {

struct GroupReference {
    std::size_t group;
    std::size_t digits;
};

bool isDigit(char16_t c)
{
    return c >= '0' && c <= '9';
}

// The group that the digits at the start of text name, preferring two digits over one.
std::optional<GroupReference> groupReference(TextView text, std::size_t groups)
{
    if (text.empty() || !isDigit(text[0]))
        return std::nullopt;
    const std::size_t one = static_cast<std::size_t>(text[0] - '0');
    if (text.size() > 1 && isDigit(text[1])) {
        const std::size_t two = one * 10 + static_cast<std::size_t>(text[1] - '0');
        if (two >= 1 && two <= groups)
            return GroupReference{two, 2};
    }
    if (one >= 1 && one <= groups)
        return GroupReference{one, 1};
    return std::nullopt;
}

// The text "$" and what follows it at the start of rest stand for, and how much of rest that
// takes; nullopt when the "$" is only itself.
std::optional<std::pair<TextView, std::size_t>> dollarText(TextView rest, TextView subject,
                                                                    const MatchSpans& spans)
{
    const TextView whole = subject;
    const MatchSpan& match = spans[0];
    if (rest.empty())
        return std::nullopt;
    switch (rest[0]) {
    case '$': return std::pair{rest.substr(0, 1), std::size_t{1}};
    case '&': return std::pair{whole.substr(match.start, match.length()), std::size_t{1}};
    case '`': return std::pair{whole.substr(0, match.start), std::size_t{1}};
    case '\'': return std::pair{whole.substr(match.end), std::size_t{1}};
    default: break;
    }
    const auto reference = groupReference(rest, spans.size() - 1);
    if (!reference)
        return std::nullopt;
    const MatchSpan& group = spans[reference->group];
    return std::pair{group.matched() ? whole.substr(group.start, group.length()) : TextView(), reference->digits};
}

} // namespace

void appendPiece(Text& out, TextView piece)
{
    builtins::checkLength(out.size() + piece.size());
    builtins::countPiece(piece.size());
    out += piece;
}

void appendReplacement(Text& out, TextView replacement, TextView subject,
                       const MatchSpans& spans)
{
    std::size_t literal = 0;
    std::size_t at = replacement.find(u'$');
    while (at != TextView::npos) {
        const auto expanded = dollarText(replacement.substr(at + 1), subject, spans);
        if (!expanded) {
            at = replacement.find(u'$', at + 1);
            continue;
        }
        appendPiece(out, replacement.substr(literal, at - literal));
        appendPiece(out, expanded->first);
        literal = at + 1 + expanded->second;
        at = replacement.find(u'$', literal);
    }
    appendPiece(out, replacement.substr(literal));
}

} // namespace kestrelon::vbs
