// The text built-ins that search and split: InStr, InStrRev, Replace, Split, Join and
// StrComp, each with the binary (0) or text (1) compare mode. Positions are 1-based.
#include "vbscript/values/Array.h"
#include "vbscript/runtime/BuiltinSupport.h"
#include "vbscript/runtime/TextSearch.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>
#include <iterator>
#include <memory>

namespace kestrelon::vbs::builtins {
namespace {

Text folded(Text text)
{
    std::transform(text.begin(), text.end(), text.begin(), lowerAscii);
    return text;
}

// Where needle last starts in text at or before last; npos when nowhere. The same search on
// both texts reversed, for the same reason.
size_t findLastUpTo(const Text& text, const Text& needle, size_t last)
{
    const size_t end = std::min(text.size(), last + needle.size());
    const Text reversedText(std::make_reverse_iterator(text.begin() + static_cast<std::ptrdiff_t>(end)), text.rend());
    const Text reversedNeedle(needle.rbegin(), needle.rend());
    const size_t hit = findText(reversedText, reversedNeedle, 0);
    return hit == Text::npos ? hit : end - hit - needle.size();
}

// Texts prepared for searching in the chosen compare mode.
struct Haystack {
    Text text;
    Text needle;
    Haystack(const Text& t, const Text& n, bool textCompare)
        : text(textCompare ? folded(t) : t), needle(textCompare ? folded(n) : n)
    {
    }
};

// InStr([start,] text, find[, compare])
Value inStr(BuiltinContext&, Args args)
{
    const SearchArguments search = searchArguments(args);
    if (search.isNull())
        return Value::null();
    const Haystack h(toString(search.text), toString(search.find), search.textCompare);
    const size_t from = search.from;
    if (from >= h.text.size())
        return Value::longValue(0);
    const size_t found = findText(h.text, h.needle, from);
    return Value::longValue(found == Text::npos ? 0 : static_cast<std::int32_t>(found + 1));
}

// InStrRev(text, find[, start[, compare]]): a match must end at or before start (-1: the end).
Value inStrRev(BuiltinContext&, Args args)
{
    const Text text = toString(args[0]);
    const Text find = toString(args[1]);
    std::int32_t start = given(args, 2) ? longArg(args[2]) : -1;
    const bool textCompare = textCompareArg(optionalArg(args, 3));
    if (start == 0 || start < -1)
        raise(ErrorCode::InvalidProcedureCall);
    if (start == -1)
        start = static_cast<std::int32_t>(text.size());
    if (static_cast<size_t>(start) > text.size())
        return Value::longValue(0);
    if (find.empty())
        return Value::longValue(start);
    if (find.size() > static_cast<size_t>(start))
        return Value::longValue(0);
    const Haystack h(text, find, textCompare);
    const size_t found = findLastUpTo(h.text, h.needle, static_cast<size_t>(start) - find.size());
    return Value::longValue(found == Text::npos ? 0 : static_cast<std::int32_t>(found + 1));
}

// Replace(text, find, with[, start[, count[, compare]]]): the result begins at start.
Value replace(BuiltinContext&, Args args)
{
    const Text text = toString(args[0]);
    const Text find = toString(args[1]);
    const Text with = toString(args[2]);
    const std::int32_t start = given(args, 3) ? longArg(args[3]) : 1;
    std::int32_t count = given(args, 4) ? longArg(args[4]) : -1;
    const bool textCompare = textCompareArg(optionalArg(args, 5));
    if (start < 1 || count < -1)
        raise(ErrorCode::InvalidProcedureCall);
    if (static_cast<size_t>(start) > text.size())
        return Value::string({});
    const Text rest = text.substr(static_cast<size_t>(start) - 1);
    if (find.empty() || count == 0)
        return Value::string(rest);
    const Haystack h(rest, find, textCompare);
    Text result;
    size_t from = 0;
    for (size_t found; count != 0 && (found = findText(h.text, h.needle, from)) != Text::npos; --count) {
        result.append(rest, from, found - from).append(with);
        checkLength(result.size());
        countPiece(found - from + with.size());
        from = found + find.size();
    }
    result.append(rest, from);
    checkLength(result.size());
    return Value::string(std::move(result));
}

Value stringArray(std::vector<Text> pieces)
{
    const auto upper = static_cast<std::int32_t>(pieces.size()) - 1;
    auto array = std::make_shared<Array>(std::vector<std::int32_t>{upper}, false);
    for (size_t i = 0; i < pieces.size(); ++i)
        array->elements()[i] = Value::string(std::move(pieces[i]));
    return Value::array(std::move(array));
}

// Split(text[, delimiter[, count[, compare]]]): at most count pieces, the last keeping the rest.
Value split(BuiltinContext&, Args args)
{
    const Text text = toString(args[0]);
    const Text delimiter = given(args, 1) ? toString(args[1]) : Text(u" ");
    const std::int32_t count = given(args, 2) ? longArg(args[2]) : -1;
    const bool textCompare = textCompareArg(optionalArg(args, 3));
    if (count < -1)
        raise(ErrorCode::InvalidProcedureCall);
    if (text.empty() || count == 0)
        return stringArray({});
    if (delimiter.empty())
        return stringArray({text});
    const Haystack h(text, delimiter, textCompare);
    std::vector<Text> pieces;
    // More pieces than an array may hold are refused as they are found, before millions of
    // them pile up outside any script value.
    const auto addPiece = [&pieces](Text piece) {
        if (pieces.size() == Array::MaxElements)
            raise(ErrorCode::OutOfMemory);
        countPiece(piece.size());
        pieces.push_back(std::move(piece));
    };
    size_t from = 0, found = 0;
    while ((count < 0 || static_cast<std::int32_t>(pieces.size()) < count - 1) &&
           (found = findText(h.text, h.needle, from)) != Text::npos) {
        addPiece(text.substr(from, found - from));
        from = found + delimiter.size();
    }
    addPiece(text.substr(from));
    return stringArray(std::move(pieces));
}

Text joinedElement(const Value& element)
{
    if (element.isNull() || element.isArray())
        raise(ErrorCode::TypeMismatch);
    if (element.isObject())
        raise(ErrorCode::MemberNotSupported);
    return toConcatString(element);
}

// Join(array[, delimiter]) of a one-dimensional array.
Value join(BuiltinContext&, Args args)
{
    const Value list = plainArg(args[0]);
    const Text delimiter = given(args, 1) ? toString(args[1]) : Text(u" ");
    if (list.isNull())
        raise(ErrorCode::InvalidUseOfNull);
    if (!list.isArray())
        raise(ErrorCode::TypeMismatch);
    const Array& array = *list.asArray();
    if (!array.allocated())
        return Value::string({});
    if (array.dimensions() != 1)
        raise(ErrorCode::TypeMismatch);
    Text result;
    for (size_t i = 0; i < array.size(); ++i) {
        const std::size_t before = result.size();
        if (i > 0)
            result += delimiter;
        result += joinedElement(array.elements()[i]);
        checkLength(result.size());
        countPiece(result.size() - before);
    }
    return Value::string(std::move(result));
}

Value strComp(BuiltinContext&, Args args)
{
    const Value a = plainArg(args[0]);
    const Value b = plainArg(args[1]);
    const bool textCompare = textCompareArg(optionalArg(args, 2));
    if (a.isNull() || b.isNull())
        return Value::null();
    const Haystack h(toString(a), toString(b), textCompare);
    const int order = h.text.compare(h.needle);
    return Value::integer(static_cast<std::int16_t>(order < 0 ? -1 : (order > 0 ? 1 : 0)));
}

constexpr std::array Table = {
    BuiltinEntry{"InStr", 2, 4, inStr},
    BuiltinEntry{"InStrRev", 2, 4, inStrRev},
    BuiltinEntry{"Replace", 3, 6, replace},
    BuiltinEntry{"Split", 1, 4, split},
    BuiltinEntry{"Join", 1, 2, join},
    BuiltinEntry{"StrComp", 2, 3, strComp},
};

} // namespace
} // namespace kestrelon::vbs::builtins

namespace kestrelon::vbs {

std::span<const BuiltinEntry> stringSearchBuiltins()
{
    return builtins::Table;
}

} // namespace kestrelon::vbs
