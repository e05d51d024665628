// Dates reckoned in calendar intervals: DateAdd moves a date by a number of intervals,
// DateDiff counts the interval boundaries between two dates, DatePart reads one interval's
// number from a date. Intervals are named as scripts write them: yyyy q m y d w ww h n s.
#include "vbscript/runtime/DateSupport.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <limits>

namespace kestrelon::vbs::builtins {
namespace {

enum class Interval { Year, Quarter, Month, DayOfYear, Day, Weekday, Week, Hour, Minute, Second };

struct IntervalName {
    const char* name;
    Interval interval;
};

constexpr std::array IntervalNames = {
    IntervalName{"yyyy", Interval::Year}, IntervalName{"q", Interval::Quarter},
    IntervalName{"m", Interval::Month},   IntervalName{"y", Interval::DayOfYear},
    IntervalName{"d", Interval::Day},     IntervalName{"w", Interval::Weekday},
    IntervalName{"ww", Interval::Week},   IntervalName{"h", Interval::Hour},
    IntervalName{"n", Interval::Minute},  IntervalName{"s", Interval::Second},
};

// The first week of a year: the one holding 1 January, the first with four days of the year,
// or the first whole week.
enum class FirstWeek { HoldsJanuaryFirst = 1, FourDays = 2, FullWeek = 3 };

// The interval a text names, in any letter case; 5 for any other text.
Interval intervalNamed(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; });
    for (const IntervalName& entry : IntervalNames) {
        if (text == entry.name)
            return entry.interval;
    }
    raise(ErrorCode::InvalidProcedureCall);
}

// The interval argument's text; Null raises 94. The name itself is checked once the other
// arguments are read, so a date that is no date is reported first. Interval names are ASCII:
// a unit beyond that narrows to a byte that names none.
std::string intervalText(const Value& arg)
{
    const Value v = plainArg(arg);
    if (v.isNull())
        raise(ErrorCode::InvalidUseOfNull);
    return narrowText(toString(v));
}

// A first-week-of-year argument: 1 to 3, 0 for the system's rule (the week of 1 January in
// en-US); Null raises 94, others 5.
FirstWeek firstWeekArg(const Value* arg)
{
    const std::int32_t rule = arg ? longArg(*arg) : 1;
    if (rule < 0 || rule > 3)
        raise(ErrorCode::InvalidProcedureCall);
    return static_cast<FirstWeek>(rule == 0 ? 1 : rule);
}

std::int64_t secondsSinceDayZero(const Moment& at)
{
    return at.day * SecondsPerDay + at.seconds;
}

// The serial of a day and second of the day; 5 when it lies outside the dates scripts hold.
Value dateOf(std::int64_t day, std::int64_t seconds)
{
    const double serial = calendar::serialOf(day, static_cast<double>(seconds));
    if (!calendar::inRange(serial))
        raise(ErrorCode::InvalidProcedureCall);
    return Value::date(serial);
}

// Months added keep the day of the month, held to the new month's last day (1/31 + 1 month is
// the last day of February).
Value addMonths(const Moment& at, std::int64_t months)
{
    const std::int64_t index = at.parts.year * std::int64_t{12} + (at.parts.month - 1) + months;
    const std::int64_t year = floorDivide(index, 12);
    const std::int64_t month = index - year * 12 + 1;
    if (year < 100 || year > 9999)
        raise(ErrorCode::InvalidProcedureCall);
    const std::int64_t day = std::min<std::int64_t>(at.parts.day, daysInMonth(year, month));
    return dateOf(calendar::daysFromCivil(year, month, day), at.seconds);
}

Value addSeconds(const Moment& at, std::int64_t seconds)
{
    const std::int64_t total = secondsSinceDayZero(at) + seconds;
    const std::int64_t day = floorDivide(total, SecondsPerDay);
    return dateOf(day, total - day * SecondsPerDay);
}

Value added(const Moment& at, Interval interval, std::int64_t count)
{
    switch (interval) {
    case Interval::Year: return addMonths(at, count * 12);
    case Interval::Quarter: return addMonths(at, count * 3);
    case Interval::Month: return addMonths(at, count);
    case Interval::DayOfYear:
    case Interval::Day:
    case Interval::Weekday: return dateOf(at.day + count, at.seconds);
    case Interval::Week: return dateOf(at.day + 7 * count, at.seconds);
    case Interval::Hour: return addSeconds(at, count * 3600);
    case Interval::Minute: return addSeconds(at, count * 60);
    case Interval::Second: return addSeconds(at, count);
    }
    assert(false && "an interval without a case");
    return Value();
}

// DateAdd(interval, number, date): a Null interval or number raises 94, a Null date gives Null.
Value dateAdd(BuiltinContext&, Args args)
{
    const Value count = plainArg(args[1]), date = plainArg(args[2]);
    const std::string name = intervalText(args[0]);
    if (count.isNull())
        raise(ErrorCode::InvalidUseOfNull);
    if (date.isNull())
        return Value::null();
    const std::int32_t number = longArg(count);
    const Moment at = momentOf(toDate(date));
    return added(at, intervalNamed(name), number);
}

std::int64_t monthIndex(const Moment& at)
{
    return at.parts.year * std::int64_t{12} + at.parts.month - 1;
}

// The first day of the week that holds a day.
std::int64_t weekStart(std::int64_t day, int firstDay)
{
    return day - (dayInWeek(day, firstDay) - 1);
}

// The boundaries of units of that many seconds passed from one moment to the other.
std::int64_t unitsPassed(const Moment& from, const Moment& to, std::int64_t unit)
{
    return floorDivide(secondsSinceDayZero(to), unit) - floorDivide(secondsSinceDayZero(from), unit);
}

// Boundaries crossed from one moment to the other: 12/31 to 1/1 is one year, 11:59 PM to
// midnight one day; "w" counts whole weeks of days, "ww" the weeks' first days passed.
std::int64_t difference(Interval interval, const Moment& from, const Moment& to, int firstDay)
{
    switch (interval) {
    case Interval::Year: return to.parts.year - from.parts.year;
    case Interval::Quarter: return monthIndex(to) / 3 - monthIndex(from) / 3;
    case Interval::Month: return monthIndex(to) - monthIndex(from);
    case Interval::DayOfYear:
    case Interval::Day: return to.day - from.day;
    case Interval::Weekday: return (to.day - from.day) / 7;
    case Interval::Week: return (weekStart(to.day, firstDay) - weekStart(from.day, firstDay)) / 7;
    case Interval::Hour: return unitsPassed(from, to, 3600);
    case Interval::Minute: return unitsPassed(from, to, 60);
    case Interval::Second: return unitsPassed(from, to, 1);
    }
    assert(false && "an interval without a case");
    return 0;
}

// DateDiff(interval, date1, date2[, firstdayofweek[, firstweekofyear]]) as a Long; a count
// beyond the Long range (seconds across millennia) raises 6.
Value dateDiff(BuiltinContext&, Args args)
{
    const std::string name = intervalText(args[0]);
    const int firstDay = firstDayArg(optionalArg(args, 3));
    firstWeekArg(optionalArg(args, 4)); // checked, though no count depends on the first week
    const Value from = plainArg(args[1]), to = plainArg(args[2]);
    if (from.isNull() || to.isNull())
        return Value::null();
    const Moment start = momentOf(toDate(from)), end = momentOf(toDate(to));
    const std::int64_t count = difference(intervalNamed(name), start, end, firstDay);
    if (count < std::numeric_limits<std::int32_t>::min() || count > std::numeric_limits<std::int32_t>::max())
        raise(ErrorCode::Overflow);
    return Value::longValue(static_cast<std::int32_t>(count));
}

// The first day of week 1 of a year under a first-week rule.
std::int64_t firstWeekStart(std::int64_t year, int firstDay, FirstWeek rule)
{
    const std::int64_t january1 = calendar::daysFromCivil(year, 1, 1);
    const int daysBefore = dayInWeek(january1, firstDay) - 1; // of that week, still in December
    const std::int64_t start = january1 - daysBefore;
    switch (rule) {
    case FirstWeek::FourDays: return daysBefore <= 3 ? start : start + 7;
    case FirstWeek::FullWeek: return daysBefore == 0 ? start : start + 7;
    case FirstWeek::HoldsJanuaryFirst: break;
    }
    return start;
}

// The week of the year: days before the year's week 1 belong to the last week of the year
// before; under the four-day rule the last days of December may already be next year's week 1.
int weekOfYear(const Moment& at, int firstDay, FirstWeek rule)
{
    const int year = at.parts.year;
    if (rule == FirstWeek::FourDays && at.day >= firstWeekStart(year + 1, firstDay, rule))
        return 1;
    std::int64_t start = firstWeekStart(year, firstDay, rule);
    if (at.day < start)
        start = firstWeekStart(year - 1, firstDay, rule);
    return static_cast<int>((at.day - start) / 7 + 1);
}

int part(Interval interval, const Moment& at, int firstDay, FirstWeek rule)
{
    switch (interval) {
    case Interval::Year: return at.parts.year;
    case Interval::Quarter: return (at.parts.month - 1) / 3 + 1;
    case Interval::Month: return at.parts.month;
    case Interval::DayOfYear: return static_cast<int>(at.day - calendar::daysFromCivil(at.parts.year, 1, 1) + 1);
    case Interval::Day: return at.parts.day;
    case Interval::Weekday: return dayInWeek(at.day, firstDay);
    case Interval::Week: return weekOfYear(at, firstDay, rule);
    case Interval::Hour: return at.parts.hour;
    case Interval::Minute: return at.parts.minute;
    case Interval::Second: return at.parts.second;
    }
    assert(false && "an interval without a case");
    return 0;
}

// DatePart(interval, date[, firstdayofweek[, firstweekofyear]]) as an Integer; Null for a
// Null date.
Value datePart(BuiltinContext&, Args args)
{
    const std::string name = intervalText(args[0]);
    const int firstDay = firstDayArg(optionalArg(args, 2));
    const FirstWeek rule = firstWeekArg(optionalArg(args, 3));
    const Value date = plainArg(args[1]);
    if (date.isNull())
        return Value::null();
    const Moment at = momentOf(toDate(date));
    return Value::integer(static_cast<std::int16_t>(part(intervalNamed(name), at, firstDay, rule)));
}

constexpr std::array Table = {
    BuiltinEntry{"DateAdd", 3, 3, dateAdd},
    BuiltinEntry{"DateDiff", 3, 5, dateDiff},
    BuiltinEntry{"DatePart", 2, 4, datePart},
};

} // namespace
} // namespace kestrelon::vbs::builtins

namespace kestrelon::vbs {

std::span<const BuiltinEntry> dateArithmeticBuiltins()
{
    return builtins::Table;
}

} // namespace kestrelon::vbs
