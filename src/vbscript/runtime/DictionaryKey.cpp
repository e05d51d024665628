// The keys of Scripting.Dictionary: which values make the same key. The Windows dictionary
// hashes every numeric subtype (dates too) through one number form, so a key added as 0 is found
// again as 0.0; texts never match numbers.
#include "vbscript/runtime/DictionaryKey.h"

#include "vbscript/runtime/BuiltinSupport.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace kestrelon::vbs {
namespace {

DictionaryKey textKey(const Text& text, bool textCompare)
{
    DictionaryKey key;
    key.kind = DictionaryKey::Kind::Text;
    key.text = text;
    if (textCompare)
        std::transform(key.text.begin(), key.text.end(), key.text.begin(), builtins::lowerAscii);
    return key;
}

DictionaryKey numberKey(double number)
{
    if (std::isnan(number))
        throw ScriptError::runtime(ErrorCode::InvalidProcedureCall);
    DictionaryKey key;
    key.kind = DictionaryKey::Kind::Number;
    key.number = number == 0 ? 0.0 : number;
    return key;
}

} // namespace

DictionaryKey DictionaryKey::of(const Value& value, bool textCompare)
{
    if (value.isString())
        return textKey(value.asString(), textCompare);
    if (value.isNumber())
        return numberKey(toDouble(value));
    DictionaryKey key;
    if (value.isEmpty())
        return key;
    if (value.isNull()) {
        key.kind = Kind::Null;
        return key;
    }
    if (value.isObject()) {
        key.kind = Kind::Object;
        key.object = value.asObject().get();
        return key;
    }
    throw ScriptError::runtime(ErrorCode::InvalidProcedureCall);
}

std::size_t DictionaryKeyHash::operator()(const DictionaryKey& key) const
{
    const std::size_t kind = static_cast<std::size_t>(key.kind);
    switch (key.kind) {
    case DictionaryKey::Kind::Text: return std::hash<Text>{}(key.text) ^ kind;
    case DictionaryKey::Kind::Number: return std::hash<double>{}(key.number) ^ kind;
    case DictionaryKey::Kind::Object: return std::hash<const Object*>{}(key.object) ^ kind;
    default: return kind;
    }
}

} // namespace kestrelon::vbs
