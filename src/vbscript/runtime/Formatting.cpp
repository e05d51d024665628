// The Format functions as an en-US (LCID 1033) script host writes them: FormatDateTime in the
// five named forms, and FormatNumber, FormatCurrency and FormatPercent with "." for decimals,
// "," between groups of three digits and "$" in front, each option a tristate (-1 True,
// 0 False, -2 the locale's default).
#include "vbscript/runtime/DateSupport.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>

namespace kestrelon::vbs::builtins {
namespace {

constexpr std::int32_t UseDefault = -2;
constexpr std::int32_t DefaultDigits = -1;
constexpr std::int32_t MostDigits = 9;

// The options of FormatNumber and its kin once the en-US defaults are applied.
struct NumberStyle {
    int digits = 2;
    bool leadingZero = true;
    bool parentheses = false; // en-US numbers show a minus; amounts of money use parentheses
    bool grouping = true;
};

// A number's decimal digits as its text has them: whole part, fraction, sign.
struct Decimal {
    bool negative = false;
    std::string whole = "0";
    std::string fraction;
};

// The decimal digits of a Double (15 significant digits) or a Single (7), as CStr finds them.
Decimal decimalOf(double value, int significant)
{
    Decimal result;
    if (value == 0 || !std::isfinite(value))
        return result;
    char text[48];
    const char* end =
        std::to_chars(text, text + sizeof text, value, std::chars_format::scientific, significant - 1).ptr;
    std::string digits;
    const char* p = text;
    for (; p != end && *p != 'e'; ++p) {
        if (*p >= '0' && *p <= '9')
            digits += *p;
    }
    int exponent = 0;
    std::from_chars(p + 1 + (p[1] == '+'), end, exponent);
    result.negative = value < 0;
    const int point = exponent + 1; // digits before the decimal point
    if (point <= 0) {
        result.fraction = std::string(static_cast<size_t>(-point), '0') + digits;
    } else if (static_cast<size_t>(point) >= digits.size()) {
        result.whole = digits + std::string(static_cast<size_t>(point) - digits.size(), '0');
    } else {
        result.whole = digits.substr(0, static_cast<size_t>(point));
        result.fraction = digits.substr(static_cast<size_t>(point));
    }
    return result;
}

// Every digit of a Currency amount, held in ten-thousandths.
Decimal decimalOfCurrency(std::int64_t scaled)
{
    Decimal result;
    const std::string text = vbs::formatCurrency(scaled);
    const size_t start = text[0] == '-' ? 1 : 0;
    const size_t point = text.find('.');
    result.negative = start == 1;
    result.whole = text.substr(start, point == std::string::npos ? std::string::npos : point - start);
    if (point != std::string::npos)
        result.fraction = text.substr(point + 1);
    return result;
}

// The digits of the number to format: Null and text that is no number raise 13.
Decimal decimalArg(const Value& arg)
{
    const Value v = plainArg(arg);
    switch (v.type()) {
    case VarType::Null: raise(ErrorCode::TypeMismatch);
    case VarType::Byte:
    case VarType::Integer:
    case VarType::Long:
    case VarType::Boolean: return decimalOfCurrency(std::int64_t{v.wholeNumber()} * 10000);
    case VarType::Currency: return decimalOfCurrency(v.asCurrencyScaled());
    case VarType::Single: return decimalOf(v.asSingle(), 7);
    default: return decimalOf(toDouble(v), 15);
    }
}

// Rounds the fraction to count digits, a first dropped digit of 5 or more rounding away from
// zero, as the digits of the text are rounded (0.125 gives 0.13).
void roundFraction(Decimal& d, size_t count)
{
    if (d.fraction.size() <= count) {
        d.fraction.append(count - d.fraction.size(), '0');
        return;
    }
    const bool up = d.fraction[count] >= '5';
    d.fraction.resize(count);
    if (!up)
        return;
    std::string all = d.whole + d.fraction;
    size_t i = all.size();
    while (i > 0 && all[i - 1] == '9')
        all[--i] = '0';
    if (i == 0)
        all.insert(all.begin(), '1');
    else
        ++all[i - 1];
    d.whole = all.substr(0, all.size() - count);
    d.fraction = all.substr(all.size() - count);
}

std::string grouped(const std::string& whole)
{
    std::string text;
    for (size_t i = 0; i < whole.size(); ++i) {
        if (i > 0 && (whole.size() - i) % 3 == 0)
            text += ',';
        text += whole[i];
    }
    return text;
}

// The digits without a sign, rounded and laid out as the style asks.
std::string unsignedText(Decimal d, const NumberStyle& style)
{
    roundFraction(d, static_cast<size_t>(style.digits));
    std::string text;
    if (d.whole != "0" || style.leadingZero)
        text = style.grouping ? grouped(d.whole) : d.whole;
    if (style.digits > 0)
        text += "." + d.fraction;
    return text.empty() ? "0" : text;
}

// A negative amount in the style's form: "(text)" or "-text", the text being prefix + digits +
// suffix ("$1.00", "12.00%").
std::string signedText(const Decimal& d, const NumberStyle& style, const char* prefix, const char* suffix)
{
    const std::string text = prefix + unsignedText(d, style) + suffix;
    if (!d.negative)
        return text;
    return style.parentheses ? "(" + text + ")" : "-" + text;
}

bool tristate(std::int32_t value, bool fallback)
{
    return value == UseDefault ? fallback : value == -1;
}

// The options after the number, read in order (Null raises 94); more than 9 digits raise 5.
NumberStyle styleArgs(Args args, bool parenthesesByDefault)
{
    const auto option = [args](size_t index, std::int32_t fallback) {
        const Value* arg = optionalArg(args, index);
        return arg ? longArg(*arg) : fallback;
    };
    const std::int32_t digits = option(1, DefaultDigits);
    NumberStyle style;
    style.leadingZero = tristate(option(2, UseDefault), true);
    style.parentheses = tristate(option(3, UseDefault), parenthesesByDefault);
    style.grouping = tristate(option(4, UseDefault), true);
    if (digits > MostDigits)
        raise(ErrorCode::InvalidProcedureCall);
    if (digits >= 0)
        style.digits = digits;
    return style;
}

Value formatNumber(BuiltinContext&, Args args)
{
    const NumberStyle style = styleArgs(args, false);
    return Value::string(widenText(signedText(decimalArg(args[0]), style, "", "")));
}

// Text is read as an amount of money first, rounded to the four decimals of a Currency.
Value formatMoney(BuiltinContext&, Args args)
{
    const NumberStyle style = styleArgs(args, true);
    const Value v = plainArg(args[0]);
    const Decimal amount = v.isString() ? decimalOfCurrency(toCurrencyScaled(v)) : decimalArg(v);
    return Value::string(widenText(signedText(amount, style, "$", "")));
}

Value formatPercent(BuiltinContext&, Args args)
{
    const NumberStyle style = styleArgs(args, false);
    const Value v = plainArg(args[0]);
    if (v.isNull())
        raise(ErrorCode::TypeMismatch);
    const double value = toDouble(v);
    if (std::fabs(value) > std::numeric_limits<double>::max() / 100)
        raise(ErrorCode::Overflow);
    return Value::string(widenText(signedText(decimalOf(value * 100, 15), style, "", "%")));
}

std::string shortDate(const calendar::DateTimeParts& parts)
{
    return std::to_string(parts.month) + "/" + std::to_string(parts.day) + "/" + std::to_string(parts.year);
}

// "Monday, January 15, 2024".
std::string longDate(const Moment& at)
{
    const auto& p = at.parts;
    return std::string(DayNames[static_cast<size_t>(dayInWeek(at.day, 1) - 1)]) + ", " +
           MonthNames[static_cast<size_t>(p.month - 1)] + " " + std::to_string(p.day) + ", " + std::to_string(p.year);
}

// "22:05": hours and minutes on the 24-hour clock.
std::string shortTime(const calendar::DateTimeParts& parts)
{
    const auto twoDigits = [](int value) { return std::string(value < 10 ? "0" : "") + std::to_string(value); };
    return twoDigits(parts.hour) + ":" + twoDigits(parts.minute);
}

// FormatDateTime(date[, form]): 0 general (as CStr shows dates), 1 long date, 2 short date,
// 3 long time, 4 short time. A Null date raises 13, a Null form 94, another form 5.
Value formatDateTime(BuiltinContext&, Args args)
{
    const Value date = plainArg(args[0]);
    if (date.isNull())
        raise(ErrorCode::TypeMismatch);
    const std::int32_t form = given(args, 1) ? longArg(args[1]) : 0;
    if (form < 0 || form > 4)
        raise(ErrorCode::InvalidProcedureCall);
    const double serial = toDate(date);
    const Moment at = momentOf(serial);
    const double timeOfDay = calendar::serialOf(0, static_cast<double>(at.seconds));
    switch (form) {
    case 1: return Value::string(widenText(longDate(at)));
    case 2: return Value::string(widenText(shortDate(at.parts)));
    case 3: return Value::string(widenText(calendar::formatDate(timeOfDay)));
    case 4: return Value::string(widenText(shortTime(at.parts)));
    default: return Value::string(widenText(calendar::formatDate(serial)));
    }
}

constexpr std::array Table = {
    BuiltinEntry{"FormatDateTime", 1, 2, formatDateTime},
    BuiltinEntry{"FormatNumber", 1, 5, formatNumber},
    BuiltinEntry{"FormatCurrency", 1, 5, formatMoney},
    BuiltinEntry{"FormatPercent", 1, 5, formatPercent},
};

} // namespace
} // namespace kestrelon::vbs::builtins

namespace kestrelon::vbs {

std::span<const BuiltinEntry> formattingBuiltins()
{
    return builtins::Table;
}

} // namespace kestrelon::vbs
