// Dates as scripts hold them: a serial number of days since 1899-12-30 whose fraction is the
// time of day (before that day the fraction counts backwards in magnitude, as Windows stores
// dates). Conversion to and from calendar dates, the en-US date text, and date-text parsing.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kestrelon::vbs::calendar {

// The dates a script can hold: 1 January 100 to 31 December 9999.
inline constexpr double FirstSerial = -657434.0;
inline constexpr double LastSerial = 2958465.99999;

struct DateTimeParts {
    int year = 1899;
    int month = 12;
    int day = 30;
    int hour = 0;
    int minute = 0;
    int second = 0;
    bool hasDate = false; // the day is not 1899-12-30
    bool hasTime = false; // the time is not midnight
};

// The serial day number of a calendar date; month and day may lie outside their ranges and
// are carried over (month 14 is February of the next year, day 0 the last of the month before).
std::int64_t daysFromCivil(std::int64_t year, std::int64_t month, std::int64_t day);

// The serial of a day number and a time of day in seconds.
double serialOf(std::int64_t day, double secondsOfDay);

// The calendar parts of a serial (held to the range above), the time rounded to the nearest
// second.
DateTimeParts splitSerial(double serial);

bool inRange(double serial);

// The en-US text: "M/D/YYYY h:mm:ss AM", without the date on day 0 and without the time at
// midnight ("12:00:00 AM" for the serial 0 itself).
std::string formatDate(double serial);

// A date and/or time written in the usual en-US forms ("1/15/2024", "2024-01-15",
// "January 15, 2024", "15 Jan 2024", "10:30 PM", "1/15/2024 10:30:00"); nullopt otherwise.
std::optional<double> parseDate(std::string_view text);

// The current local date and time as a serial, and the seconds since local midnight.
double nowSerial();
double secondsSinceMidnight();

} // namespace kestrelon::vbs::calendar
