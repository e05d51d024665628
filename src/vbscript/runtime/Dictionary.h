// Scripting.Dictionary, the one object a sandboxed script may create: keys and items in the
// order they were added, Item as the default member, For Each over the keys. Its entries count
// as held memory, and it holds no more than an array may, so Keys and Items always fit.
#pragma once

#include "vbscript/host/HostBinding.h"
#include "vbscript/runtime/DictionaryKey.h"
#include "vbscript/values/HeldMemory.h"

#include <cstdint>
#include <list>
#include <memory>
#include <optional>
#include <unordered_map>
#include <vector>

namespace kestrelon::vbs {

// A new, empty dictionary.
std::shared_ptr<Object> makeDictionary();

class Dictionary : public HostObject<Dictionary> {
public:
    static const HostClass<Dictionary>& binding();

    std::optional<MemberId> defaultMember() const override;
    // For Each walks the keys.
    std::optional<std::vector<Value>> elements() const override;
    void releaseContents() override;

private:
    struct Entry {
        HeldBytes held; // first: an entry over the memory budget is refused before it is made
        Value key;
        Value item;
    };
    using Entries = std::list<Entry>;

    // Add key, item: "This key is already associated with an element" (457) for a key there.
    void add(const Value& key, const Value& item);
    // Item(key): a missing key is added with Empty.
    Value item(const Value& key);
    // Item(key) = item: adds the key or replaces its item.
    void putItem(const Value& key, const Value& item);
    bool exists(const Value& key);
    // Remove key: "Element not found" (32811) for a missing key.
    void remove(const Value& key);
    void removeAll();
    Value keys();
    Value items();
    std::int32_t count();
    // Key(old) = new: renames a key where it stands; 32811 when old is missing, 457 when new is
    // there already.
    void rename(const Value& oldKey, const Value& newKey);
    // CompareMode = mode: only while the dictionary is empty (5 otherwise); 0 compares texts
    // exactly, any other mode without regard to case.
    void setCompareMode(std::int32_t mode);

    DictionaryKey keyOf(const Value& key) const;
    Entries::iterator find(const DictionaryKey& key);
    Entries::iterator insert(DictionaryKey key, const Value& keyValue, const Value& item);
    Value arrayOf(Value Entry::*field) const;

    Entries m_entries;
    std::unordered_map<DictionaryKey, Entries::iterator, DictionaryKeyHash> m_index;
    std::int32_t m_compareMode = 0;
};

} // namespace kestrelon::vbs
