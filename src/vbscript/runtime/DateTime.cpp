// The date and time built-ins: the clock (Timer, Now, Date, Time), IsDate, the parts of a
// date (Year … Second, Weekday), the builders DateSerial, TimeSerial, DateValue and TimeValue,
// and the en-US names of months and days. Dates are serial days since 1899-12-30, local time.
#include "vbscript/runtime/DateSupport.h"

#include <array>
#include <cmath>
#include <utility>

namespace kestrelon::vbs::builtins {
namespace {

Value timer(BuiltinContext&, Args)
{
    return Value::single(static_cast<float>(calendar::secondsSinceMidnight()));
}

Value now(BuiltinContext&, Args) { return Value::date(calendar::nowSerial()); }
Value date(BuiltinContext&, Args) { return Value::date(std::trunc(calendar::nowSerial())); }

Value time(BuiltinContext&, Args)
{
    const double serial = calendar::nowSerial();
    return Value::date(serial - std::trunc(serial));
}

// Dates and date texts are dates; numbers, even numeric texts, are not.
Value isDate(BuiltinContext&, Args args)
{
    const Value& v = args[0];
    if (v.type() == VarType::Date)
        return Value::boolean(true);
    return Value::boolean(v.isString() && calendar::parseDate(narrowText(v.asString())).has_value());
}

// One part of a date, or Null for Null.
template <typename Part>
Value datePart(const Value& arg, Part part)
{
    const Value v = plainArg(arg);
    if (v.isNull())
        return Value::null();
    const calendar::DateTimeParts parts = calendar::splitSerial(toDate(v));
    return Value::integer(static_cast<std::int16_t>(part(parts)));
}

Value year(BuiltinContext&, Args args) { return datePart(args[0], [](const auto& p) { return p.year; }); }
Value month(BuiltinContext&, Args args) { return datePart(args[0], [](const auto& p) { return p.month; }); }
Value day(BuiltinContext&, Args args) { return datePart(args[0], [](const auto& p) { return p.day; }); }
Value hour(BuiltinContext&, Args args) { return datePart(args[0], [](const auto& p) { return p.hour; }); }
Value minute(BuiltinContext&, Args args) { return datePart(args[0], [](const auto& p) { return p.minute; }); }
Value second(BuiltinContext&, Args args) { return datePart(args[0], [](const auto& p) { return p.second; }); }

// Weekday(date[, firstDay]): 1 for firstDay (default Sunday; 0 means the system's, Sunday).
Value weekday(BuiltinContext&, Args args)
{
    const int firstDay = firstDayArg(optionalArg(args, 1));
    const Value v = plainArg(args[0]);
    if (v.isNull())
        return Value::null();
    return Value::integer(static_cast<std::int16_t>(dayInWeek(momentOf(toDate(v)).day, firstDay)));
}

// DateSerial(year, month, day): months and days outside their ranges carry over; two-digit
// years fall in 1930-2029.
Value dateSerial(BuiltinContext&, Args args)
{
    std::int64_t y = longArg(args[0]);
    const std::int64_t m = longArg(args[1]);
    const std::int64_t d = longArg(args[2]);
    if (y >= 0 && y < 30)
        y += 2000;
    else if (y >= 30 && y < 100)
        y += 1900;
    if (y < -10000 || y > 10000 || m < -120000 || m > 120000)
        raise(ErrorCode::InvalidProcedureCall);
    const double serial = static_cast<double>(calendar::daysFromCivil(y, m, d));
    if (!calendar::inRange(serial))
        raise(ErrorCode::InvalidProcedureCall);
    return Value::date(serial);
}

// TimeSerial(hour, minute, second): the parts carry over into days.
Value timeSerial(BuiltinContext&, Args args)
{
    const std::int64_t seconds = std::int64_t{longArg(args[0])} * 3600 + std::int64_t{longArg(args[1])} * 60 +
                                 longArg(args[2]);
    std::int64_t days = seconds / 86400;
    std::int64_t rest = seconds % 86400;
    if (rest < 0) {
        rest += 86400;
        --days;
    }
    const double serial = calendar::serialOf(days, static_cast<double>(rest));
    if (!calendar::inRange(serial))
        raise(ErrorCode::InvalidProcedureCall);
    return Value::date(serial);
}

// The date or time in a DateValue or TimeValue argument: a Date, or text that reads as one.
// Numbers, even numeric text, are no dates here (13); Null raises 94.
Moment writtenDate(const Value& arg)
{
    const Value v = plainArg(arg);
    if (v.isNull())
        raise(ErrorCode::InvalidUseOfNull);
    if (v.type() == VarType::Date)
        return momentOf(v.asDouble());
    if (v.isString()) {
        if (const auto serial = calendar::parseDate(narrowText(v.asString())))
            return momentOf(*serial);
    }
    raise(ErrorCode::TypeMismatch);
}

Value dateValue(BuiltinContext&, Args args)
{
    return Value::date(calendar::serialOf(writtenDate(args[0]).day, 0));
}

Value timeValue(BuiltinContext&, Args args)
{
    return Value::date(calendar::serialOf(0, static_cast<double>(writtenDate(args[0]).seconds)));
}

// A name argument's number and whether the short name is asked for (any non-zero value);
// Null in either raises 94 before anything is converted.
std::pair<std::int32_t, bool> nameArgs(Args args)
{
    const Value* abbreviate = optionalArg(args, 1);
    if (args[0].isNull() || (abbreviate && abbreviate->isNull()))
        raise(ErrorCode::InvalidUseOfNull);
    const std::int32_t number = longArg(args[0]);
    return {number, abbreviate && longArg(*abbreviate) != 0};
}

// The en-US short names are the first three letters of the full ones.
Value nameValue(const char* name, bool abbreviated)
{
    const Text full = widenText(name);
    return Value::string(abbreviated ? full.substr(0, 3) : full);
}

// MonthName(month[, abbreviate]): 5 outside 1-12.
Value monthName(BuiltinContext&, Args args)
{
    const auto [month, abbreviated] = nameArgs(args);
    if (month < 1 || month > 12)
        raise(ErrorCode::InvalidProcedureCall);
    return nameValue(MonthNames[static_cast<size_t>(month - 1)], abbreviated);
}

// WeekdayName(day[, abbreviate[, firstDay]]): day 1 is firstDay (Sunday unless given); 5 for a
// day outside 1-7.
Value weekdayName(BuiltinContext&, Args args)
{
    const Value* first = optionalArg(args, 2);
    if (first && first->isNull())
        raise(ErrorCode::InvalidUseOfNull);
    const auto [day, abbreviated] = nameArgs(args);
    const int firstDay = firstDayArg(first);
    if (day < 1 || day > 7)
        raise(ErrorCode::InvalidProcedureCall);
    return nameValue(DayNames[static_cast<size_t>((firstDay - 1 + day - 1) % 7)], abbreviated);
}

constexpr std::array Table = {
    BuiltinEntry{"Timer", 0, 0, timer},
    BuiltinEntry{"Now", 0, 0, now},
    BuiltinEntry{"Date", 0, 0, date},
    BuiltinEntry{"Time", 0, 0, time},
    BuiltinEntry{"IsDate", 1, 1, isDate},
    BuiltinEntry{"Year", 1, 1, year},
    BuiltinEntry{"Month", 1, 1, month},
    BuiltinEntry{"Day", 1, 1, day},
    BuiltinEntry{"Hour", 1, 1, hour},
    BuiltinEntry{"Minute", 1, 1, minute},
    BuiltinEntry{"Second", 1, 1, second},
    BuiltinEntry{"Weekday", 1, 2, weekday},
    BuiltinEntry{"DateSerial", 3, 3, dateSerial},
    BuiltinEntry{"TimeSerial", 3, 3, timeSerial},
    BuiltinEntry{"DateValue", 1, 1, dateValue},
    BuiltinEntry{"TimeValue", 1, 1, timeValue},
    BuiltinEntry{"MonthName", 1, 2, monthName},
    BuiltinEntry{"WeekdayName", 1, 3, weekdayName},
};

} // namespace
} // namespace kestrelon::vbs::builtins

namespace kestrelon::vbs {

std::span<const BuiltinEntry> dateBuiltins()
{
    return builtins::Table;
}

} // namespace kestrelon::vbs
