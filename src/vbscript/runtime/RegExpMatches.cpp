// The Match, Matches and SubMatches objects of RegExp.Execute.
#include "vbscript/runtime/RegExpMatches.h"

#include <utility>

namespace kestrelon::vbs {
namespace {

// What one match takes besides its texts: the object, its place in the collection and the
// list of its groups.
constexpr std::size_t MatchBytes = 192;

// The text of each group, Empty for a group that took no part in the match.
std::shared_ptr<const std::vector<Value>> groupValues(const Text& subject, const MatchSpans& spans)
{
    auto groups = std::make_shared<std::vector<Value>>();
    groups->reserve(spans.size() - 1);
    for (std::size_t group = 1; group < spans.size(); ++group) {
        const MatchSpan& span = spans[group];
        groups->push_back(span.matched() ? Value::string(subject.substr(span.start, span.length())) : Value());
    }
    return groups;
}

} // namespace

RegExpMatch::RegExpMatch(const Text& subject, const MatchSpans& spans)
    : m_held(MatchBytes + spans.size() * sizeof(Value)),
      m_value(Value::string(subject.substr(spans[0].start, spans[0].length()))),
      m_firstIndex(static_cast<std::int32_t>(spans[0].start)), m_groups(groupValues(subject, spans))
{
}

const HostClass<RegExpMatch>& RegExpMatch::binding()
{
    static const HostClass<RegExpMatch> table = [] {
        HostClass<RegExpMatch> members("IMatch2");
        members.method("Value", &RegExpMatch::value)
            .method("FirstIndex", &RegExpMatch::firstIndex)
            .method("Length", &RegExpMatch::length)
            .add("SubMatches", [](RegExpMatch& match, InvokeKind kind, std::span<const Value> args) {
                if (kind == InvokeKind::Put)
                    throw ScriptError::runtime(ErrorCode::WrongArgumentCount);
                return match.subMatches(args);
            });
        return members;
    }();
    return table;
}

std::optional<MemberId> RegExpMatch::defaultMember() const
{
    return binding().find("Value");
}

Value RegExpMatch::subMatches(std::span<const Value> index)
{
    auto groups = std::make_shared<RegExpList>("ISubMatches", m_groups);
    if (index.empty())
        return Value::object(std::move(groups));
    return groups->invoke(*groups->defaultMember(), InvokeKind::Get, index);
}

RegExpList::RegExpList(const char* typeName, std::vector<Value> items)
    : RegExpList(typeName, std::make_shared<const std::vector<Value>>(std::move(items)))
{
}

RegExpList::RegExpList(const char* typeName, std::shared_ptr<const std::vector<Value>> items)
    : m_typeName(typeName), m_items(std::move(items))
{
}

const HostClass<RegExpList>& RegExpList::binding()
{
    static const HostClass<RegExpList> table = [] {
        HostClass<RegExpList> members("RegExpList");
        members.method("Count", &RegExpList::count).method("Item", &RegExpList::item);
        return members;
    }();
    return table;
}

std::optional<MemberId> RegExpList::defaultMember() const
{
    return binding().find("Item");
}

Value RegExpList::item(std::int32_t index)
{
    if (index < 0 || static_cast<std::size_t>(index) >= m_items->size())
        throw ScriptError::runtime(ErrorCode::InvalidProcedureCall);
    return (*m_items)[static_cast<std::size_t>(index)];
}

} // namespace kestrelon::vbs
