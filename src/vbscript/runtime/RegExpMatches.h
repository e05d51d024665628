// What RegExp.Execute gives: a Matches collection (IMatchCollection2) of Match objects (IMatch2:
// Value, FirstIndex from 0, Length, SubMatches). The collections, Matches and SubMatches
// (ISubMatches), answer Count, Item (their default member) and For Each; all is read-only.
#pragma once

#include "vbscript/host/HostBinding.h"
#include "vbscript/runtime/CompiledPattern.h"
#include "vbscript/values/HeldMemory.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace kestrelon::vbs {

class RegExpMatch : public HostObject<RegExpMatch> {
public:
    // One match of a search in subject; counts what it holds as the script's memory.
    RegExpMatch(const Text& subject, const MatchSpans& spans);

    static const HostClass<RegExpMatch>& binding();
    std::optional<MemberId> defaultMember() const override;

private:
    Text value() { return m_value.asString(); }
    std::int32_t firstIndex() { return m_firstIndex; }
    std::int32_t length() { return static_cast<std::int32_t>(m_value.asString().size()); }
    // SubMatches, or with an index SubMatches(i): the item of the collection, as a dispatch
    // interface passes the arguments of a property to the default member of the object it gives.
    Value subMatches(std::span<const Value> index);

    HeldBytes m_held;
    Value m_value;
    std::int32_t m_firstIndex;
    std::shared_ptr<const std::vector<Value>> m_groups;
};

// Count, Item(index) and For Each over a list of values, for Matches and SubMatches alike.
class RegExpList : public HostObject<RegExpList> {
public:
    RegExpList(const char* typeName, std::vector<Value> items);
    RegExpList(const char* typeName, std::shared_ptr<const std::vector<Value>> items);

    static const HostClass<RegExpList>& binding();
    std::string typeName() const override { return m_typeName; }
    std::optional<MemberId> defaultMember() const override;
    std::optional<std::vector<Value>> elements() const override { return *m_items; }

private:
    std::int32_t count() { return static_cast<std::int32_t>(m_items->size()); }
    // Item(index): "Invalid procedure call or argument" (5) outside 0 to Count - 1.
    Value item(std::int32_t index);

    const char* m_typeName;
    std::shared_ptr<const std::vector<Value>> m_items;
};

} // namespace kestrelon::vbs
