// Conversions between Variant subtypes with VBScript's rules: numbers from text through the
// script number parser, whole numbers rounded half to even with "Overflow" past the target's
// range, text from numbers through the platform's one number-to-text conversion.
#include "vbscript/values/Coercion.h"

#include "platform/NumberFormatting.h"
#include "platform/NumberParsing.h"
#include "vbscript/values/Array.h"
#include "vbscript/values/Limits.h"
#include "vbscript/values/Object.h"
#include "vbscript/values/ScriptError.h"
#include "vbscript/values/Calendar.h"

#include <charconv>
#include <cmath>
#include <iterator>
#include <limits>

namespace kestrelon::vbs {
namespace {

constexpr std::int64_t CurrencyScale = 10000;
// Beyond this magnitude a double no longer fits a 64-bit whole number.
constexpr double Int64Limit = 9223372036854775807.0;

[[noreturn]] void raise(ErrorCode code)
{
    throw ScriptError::runtime(code);
}

// The value, or the object's default value kept alive in holder.
const Value& plain(const Value& value, Value& holder)
{
    if (!value.isObject())
        return value;
    holder = toPlainValue(value);
    return holder;
}

// Any plain value as a double: Null raises 94; arrays, errors and non-numeric text raise 13.
double numberOf(const Value& value)
{
    switch (value.type()) {
    case VarType::Empty: return 0.0;
    case VarType::Null: raise(ErrorCode::InvalidUseOfNull);
    case VarType::Boolean:
    case VarType::Byte:
    case VarType::Integer:
    case VarType::Long: return value.wholeNumber();
    case VarType::Single: return value.asSingle();
    case VarType::Double:
    case VarType::Date: return value.asDouble();
    case VarType::Currency: return static_cast<double>(value.asCurrencyScaled()) / CurrencyScale;
    case VarType::String:
        if (auto number = parseScriptNumber(value.asString()))
            return *number;
        raise(ErrorCode::TypeMismatch);
    default: raise(ErrorCode::TypeMismatch);
    }
}

// The numeric parser also takes a currency sign, a trailing sign, and parentheses for a
// negative amount, as accounting texts write them: the number inside such a form.
struct AccountingForm {
    std::string_view number;
    bool negative = false;
};

std::optional<AccountingForm> accountingForm(std::string_view text)
{
    std::string_view rest(text);
    while (!rest.empty() && (rest.front() == ' ' || rest.front() == '\t'))
        rest.remove_prefix(1);
    while (!rest.empty() && (rest.back() == ' ' || rest.back() == '\t'))
        rest.remove_suffix(1);
    bool negative = false;
    if (rest.size() > 2 && rest.front() == '(' && rest.back() == ')') {
        negative = true;
        rest = rest.substr(1, rest.size() - 2);
    } else if (rest.size() > 1 && (rest.back() == '-' || rest.back() == '+')) {
        negative = rest.back() == '-';
        rest.remove_suffix(1);
    }
    if (!rest.empty() && rest.front() == '$')
        rest.remove_prefix(1);
    if (rest.empty() || rest.front() == '-' || rest.front() == '+' || rest.front() == '&' ||
        rest.size() == text.size())
        return std::nullopt;
    return AccountingForm{rest, negative};
}

// Text as a Currency, from its decimal digits: a double holds only 15 or 16 digits and a
// Currency has 19, so "922337203685477.5807" would round past the limit. The fifth decimal
// and beyond round half to even, as every other conversion to Currency. nullopt when the
// text is no number in decimal digits (the "&H" forms are whole numbers a double holds).
std::optional<std::int64_t> currencyOfText(std::string_view text)
{
    auto exact = parseExactDecimal(text);
    if (!exact) {
        const auto accounting = accountingForm(text);
        if (!accounting || !(exact = parseExactDecimal(accounting->number)))
            return std::nullopt;
        exact->negative = accounting->negative != exact->negative;
    }
    // The digits kept: down to the fourth decimal; the rest decides the rounding.
    const std::int64_t kept = static_cast<std::int64_t>(exact->digits.size()) + exact->exponent + 4;
    if (kept > 19)
        raise(ErrorCode::Overflow);
    // Nineteen digits stay below 2^64, and so does one more for the rounding.
    std::uint64_t scaled = 0;
    for (std::int64_t i = 0; i < kept; ++i) {
        const auto index = static_cast<std::size_t>(i);
        scaled = scaled * 10 + static_cast<std::uint64_t>(index < exact->digits.size() ? exact->digits[index] - '0' : 0);
    }
    // The digits carry no trailing zeros: any digit after the first dropped one makes it more
    // than a half.
    if (kept >= 0 && kept < static_cast<std::int64_t>(exact->digits.size())) {
        const auto first = static_cast<std::size_t>(kept);
        const char dropped = exact->digits[first];
        const bool more = first + 1 < exact->digits.size();
        if (dropped > '5' || (dropped == '5' && (more || scaled % 2 != 0)))
            scaled += 1;
    }
    const std::uint64_t limit =
        static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max()) + (exact->negative ? 1 : 0);
    if (scaled > limit)
        raise(ErrorCode::Overflow);
    return exact->negative ? static_cast<std::int64_t>(0 - scaled) : static_cast<std::int64_t>(scaled);
}

// Currency divided by its scale, a half going to the even neighbour.
std::int64_t roundCurrency(std::int64_t scaled)
{
    std::int64_t whole = scaled / CurrencyScale;
    const std::int64_t rest = scaled % CurrencyScale;
    const std::int64_t twice = 2 * (rest < 0 ? -rest : rest);
    if (twice > CurrencyScale || (twice == CurrencyScale && whole % 2 != 0))
        whole += rest < 0 ? -1 : 1;
    return whole;
}

// Any plain value rounded half to even to a whole number; 6 when it is out of all range.
std::int64_t roundedWhole(const Value& value)
{
    if (value.isWholeNumber())
        return value.wholeNumber();
    if (value.type() == VarType::Currency)
        return roundCurrency(value.asCurrencyScaled());
    const double rounded = std::nearbyint(numberOf(value));
    if (!(std::fabs(rounded) < Int64Limit))
        raise(ErrorCode::Overflow);
    return static_cast<std::int64_t>(rounded);
}

std::int64_t wholeInRange(const Value& value, std::int64_t low, std::int64_t high)
{
    const std::int64_t whole = roundedWhole(value);
    if (whole < low || whole > high)
        raise(ErrorCode::Overflow);
    return whole;
}

std::string lowerAscii(std::string text)
{
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return text;
}

// The text as the number, date and Boolean readers take it: 1252 bytes. A unit without a byte
// becomes "?", which none of them reads as part of what they look for, as the unit itself is not.
std::string readableText(TextView text)
{
    return narrowText(text);
}

} // namespace

Value toPlainValue(const Value& value)
{
    Value current = value;
    // A default member may itself answer an object; a few steps reach the plain value.
    for (int depth = 0; current.isObject(); ++depth) {
        const auto& object = current.asObject();
        if (!object)
            raise(ErrorCode::ObjectNotSet);
        if (depth >= 8)
            raise(ErrorCode::MemberNotSupported);
        current = object->invoke(object->requireDefaultMember(), InvokeKind::Get, {});
    }
    return current;
}

std::optional<bool> parseBooleanWord(TextView text)
{
    const std::string word = lowerAscii(readableText(text));
    if (word == "true" || word == "#true#")
        return true;
    if (word == "false" || word == "#false#")
        return false;
    return std::nullopt;
}

bool toBoolean(const Value& value)
{
    Value holder;
    const Value& v = plain(value, holder);
    if (v.isBoolean())
        return v.asBoolean();
    if (v.isString()) {
        if (auto word = parseBooleanWord(v.asString()))
            return *word;
    }
    if (v.type() == VarType::Currency)
        return v.asCurrencyScaled() != 0;
    return numberOf(v) != 0.0;
}

std::uint8_t toByte(const Value& value)
{
    Value holder;
    const Value& v = plain(value, holder);
    // True is all bits set, which a Byte holds as 255.
    if (v.isBoolean())
        return v.asBoolean() ? 255 : 0;
    return static_cast<std::uint8_t>(wholeInRange(v, 0, 255));
}

std::int16_t toInteger(const Value& value)
{
    Value holder;
    return static_cast<std::int16_t>(wholeInRange(plain(value, holder), -32768, 32767));
}

std::int32_t toLong(const Value& value)
{
    if (value.type() == VarType::Long)
        return value.asLong();
    Value holder;
    return static_cast<std::int32_t>(
        wholeInRange(plain(value, holder), std::numeric_limits<std::int32_t>::min(),
                     std::numeric_limits<std::int32_t>::max()));
}

float toSingle(const Value& value)
{
    Value holder;
    const double number = toDouble(plain(value, holder));
    if (std::fabs(number) > static_cast<double>(std::numeric_limits<float>::max()))
        raise(ErrorCode::Overflow);
    return static_cast<float>(number);
}

double toDouble(const Value& value)
{
    if (!value.isObject())
        return numberOf(value);
    Value holder;
    return numberOf(plain(value, holder));
}

std::int64_t toCurrencyScaled(const Value& value)
{
    Value holder;
    const Value& v = plain(value, holder);
    if (v.type() == VarType::Currency)
        return v.asCurrencyScaled();
    if (v.isWholeNumber())
        return static_cast<std::int64_t>(v.wholeNumber()) * CurrencyScale;
    if (v.isString()) {
        if (const auto scaled = currencyOfText(readableText(v.asString())))
            return *scaled;
    }
    const double scaled = std::nearbyint(numberOf(v) * CurrencyScale);
    if (!(std::fabs(scaled) < Int64Limit))
        raise(ErrorCode::Overflow);
    return static_cast<std::int64_t>(scaled);
}

double toDate(const Value& value)
{
    Value holder;
    const Value& v = plain(value, holder);
    double serial = 0;
    if (v.isString()) {
        const auto parsed = calendar::parseDate(readableText(v.asString()));
        serial = parsed ? *parsed : numberOf(v);
    } else {
        serial = numberOf(v);
    }
    if (!calendar::inRange(serial))
        raise(ErrorCode::Overflow);
    return serial;
}

Text integerText(std::int64_t value)
{
    char digits[24];
    const auto written = std::to_chars(std::begin(digits), std::end(digits), value);
    return Text(std::begin(digits), written.ptr);
}

std::string formatCurrency(std::int64_t scaled)
{
    const bool negative = scaled < 0;
    // Unsigned arithmetic keeps the most negative Currency value representable.
    const auto bits = static_cast<std::uint64_t>(scaled);
    const std::uint64_t magnitude = negative ? 0 - bits : bits;
    std::string text(negative ? "-" : "");
    text += std::to_string(magnitude / CurrencyScale);
    const std::uint64_t fraction = magnitude % CurrencyScale;
    if (fraction == 0)
        return text;
    std::string digits = std::to_string(fraction + CurrencyScale).substr(1);
    while (digits.back() == '0')
        digits.pop_back();
    return text + "." + digits;
}

Text toString(const Value& value)
{
    Value holder;
    const Value& v = plain(value, holder);
    switch (v.type()) {
    case VarType::Empty: return {};
    case VarType::Null: raise(ErrorCode::InvalidUseOfNull);
    case VarType::Boolean: return v.asBoolean() ? u"True" : u"False";
    case VarType::Byte:
    case VarType::Integer:
    case VarType::Long: return integerText(v.wholeNumber());
    case VarType::Single: return widenText(formatSingle(v.asSingle()));
    case VarType::Double: return widenText(formatDouble(v.asDouble()));
    case VarType::Currency: return widenText(formatCurrency(v.asCurrencyScaled()));
    case VarType::Date:
        if (!calendar::inRange(v.asDouble()))
            raise(ErrorCode::Overflow);
        return widenText(calendar::formatDate(v.asDouble()));
    case VarType::String:
        // The copy costs in proportion to the text: it counts towards the time limit.
        addScriptWork(v.asString().size());
        return v.asString();
    case VarType::Error: return u"Error " + integerText(v.asLong());
    default: raise(ErrorCode::TypeMismatch);
    }
}

Text toConcatString(const Value& value)
{
    if (value.isNull() || value.isEmpty())
        return {};
    return toString(value);
}

std::optional<double> parseScriptNumber(TextView units)
{
    const std::string text = readableText(units);
    if (auto number = parseNumber(text))
        return number;
    const auto accounting = accountingForm(text);
    if (!accounting)
        return std::nullopt;
    const auto number = parseNumber(accounting->number);
    if (!number)
        return std::nullopt;
    return accounting->negative ? -*number : *number;
}

std::int32_t varTypeOf(const Value& value)
{
    return static_cast<std::int32_t>(value.type());
}

std::string typeNameOf(const Value& value)
{
    switch (value.type()) {
    case VarType::Empty: return "Empty";
    case VarType::Null: return "Null";
    case VarType::Integer: return "Integer";
    case VarType::Long: return "Long";
    case VarType::Single: return "Single";
    case VarType::Double: return "Double";
    case VarType::Currency: return "Currency";
    case VarType::Date: return "Date";
    case VarType::String: return "String";
    case VarType::Object: return value.asObject() ? value.asObject()->typeName() : "Nothing";
    case VarType::Error: return "Error";
    case VarType::Boolean: return "Boolean";
    case VarType::Byte: return "Byte";
    case VarType::Array: return "Variant()";
    }
    return "Unknown";
}

} // namespace kestrelon::vbs
