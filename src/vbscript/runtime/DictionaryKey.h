// How a Scripting.Dictionary tells its keys apart: texts exactly, or without regard to case in
// text compare mode; numbers of every subtype by their value (1, 1.0 and CLng(1) are one key,
// the text "1" another); Empty and Null each a key of its own; objects by identity.
#pragma once

#include "vbscript/values/Value.h"

#include <cstddef>
#include <cstdint>

namespace kestrelon::vbs {

class Object;

struct DictionaryKey {
    enum class Kind : std::uint8_t { Text, Number, Empty, Null, Object };

    // The key a value stands for. Raises "Invalid procedure call or argument" (5) for a value
    // that cannot be a key: an array, an Error value, a number that is not a number (NaN).
    static DictionaryKey of(const Value& key, bool textCompare);

    bool operator==(const DictionaryKey& other) const = default;

    Kind kind = Kind::Empty;
    Text text;                      // Text: folded to lower case in text compare mode
    double number = 0;              // Number: its value, -0 as 0
    const Object* object = nullptr; // Object: the object itself; nullptr for Nothing
};

struct DictionaryKeyHash {
    std::size_t operator()(const DictionaryKey& key) const;
};

} // namespace kestrelon::vbs
