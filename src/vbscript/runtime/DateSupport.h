// Helpers the date built-ins share: a date taken apart into its calendar parts, day number and
// second of the day, the first-day-of-week argument, and the en-US names of months and days.
#pragma once

#include "vbscript/runtime/BuiltinSupport.h"
#include "vbscript/values/Calendar.h"

#include <array>
#include <cstdint>

namespace kestrelon::vbs::builtins {

inline constexpr std::array<const char*, 12> MonthNames = {
    "January", "February", "March", "April", "May", "June", "July", "August", "September", "October", "November",
    "December"};

// Sunday first, as vbSunday is 1.
inline constexpr std::array<const char*, 7> DayNames = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                        "Thursday", "Friday", "Saturday"};

inline constexpr std::int64_t SecondsPerDay = 86400;

// A date as the date built-ins reckon with it.
struct Moment {
    calendar::DateTimeParts parts; // year, month, day and the time of day
    std::int64_t day = 0;          // days since 1899-12-30
    std::int64_t seconds = 0;      // second of the day
};

inline Moment momentOf(double serial)
{
    Moment moment;
    moment.parts = calendar::splitSerial(serial);
    moment.day = calendar::daysFromCivil(moment.parts.year, moment.parts.month, moment.parts.day);
    moment.seconds = moment.parts.hour * 3600 + moment.parts.minute * 60 + moment.parts.second;
    return moment;
}

inline std::int64_t floorDivide(std::int64_t a, std::int64_t b)
{
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}

inline std::int64_t daysInMonth(std::int64_t year, std::int64_t month)
{
    return calendar::daysFromCivil(year, month + 1, 1) - calendar::daysFromCivil(year, month, 1);
}

// The place (1 to 7) of a day in a week that starts on firstDay (1 Sunday … 7 Saturday).
inline int dayInWeek(std::int64_t day, int firstDay)
{
    // Day 0 (1899-12-30) was a Saturday, the 7th day of a week starting on Sunday.
    return static_cast<int>(((day + 6 - (firstDay - 1)) % 7 + 7) % 7) + 1;
}

// A first-day-of-week argument: 1 (vbSunday) to 7 (vbSaturday), 0 for the system's first day,
// which is Sunday in en-US; Sunday when the call gives none. Null raises 94, others 5.
inline int firstDayArg(const Value* arg)
{
    if (!arg)
        return 1;
    const std::int32_t day = longArg(*arg);
    if (day < 0 || day > 7)
        raise(ErrorCode::InvalidProcedureCall);
    return day == 0 ? 1 : day;
}

} // namespace kestrelon::vbs::builtins
