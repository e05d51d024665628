// Serial dates: calendar arithmetic on the proleptic Gregorian calendar, the en-US date text
// that CStr and MsgBox show, and the parser that IsDate and date conversions use.
#include "vbscript/values/Calendar.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <vector>

namespace kestrelon::vbs::calendar {
namespace {

// Days from 1970-01-01 to the serial day 0 (1899-12-30).
constexpr std::int64_t EpochOffset = 25569;
constexpr double SecondsPerDay = 86400.0;

std::int64_t floorDiv(std::int64_t a, std::int64_t b)
{
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}

// Days since 1970-01-01 of a valid calendar date.
std::int64_t unixDays(std::int64_t y, unsigned m, unsigned d)
{
    y -= m <= 2;
    const std::int64_t era = floorDiv(y, 400);
    const auto yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

void civilFromUnixDays(std::int64_t z, DateTimeParts& parts)
{
    z += 719468;
    const std::int64_t era = floorDiv(z, 146097);
    const auto doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    parts.day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    parts.month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    parts.year = static_cast<int>(static_cast<std::int64_t>(yoe) + era * 400 + (parts.month <= 2));
}

std::string twoDigits(int value)
{
    char text[8];
    std::snprintf(text, sizeof text, "%02d", value);
    return text;
}

std::string timeText(const DateTimeParts& parts)
{
    const int hour12 = parts.hour % 12 == 0 ? 12 : parts.hour % 12;
    return std::to_string(hour12) + ":" + twoDigits(parts.minute) + ":" + twoDigits(parts.second) +
           (parts.hour < 12 ? " AM" : " PM");
}

std::string dateText(const DateTimeParts& parts)
{
    return std::to_string(parts.month) + "/" + std::to_string(parts.day) + "/" + std::to_string(parts.year);
}

} // namespace

std::int64_t daysFromCivil(std::int64_t year, std::int64_t month, std::int64_t day)
{
    year += floorDiv(month - 1, 12);
    month = month - 1 - floorDiv(month - 1, 12) * 12 + 1;
    return unixDays(year, static_cast<unsigned>(month), 1) + EpochOffset + (day - 1);
}

double serialOf(std::int64_t day, double secondsOfDay)
{
    const double fraction = secondsOfDay / SecondsPerDay;
    return day >= 0 ? static_cast<double>(day) + fraction : static_cast<double>(day) - fraction;
}

DateTimeParts splitSerial(double serial)
{
    // Callers pass dates in range; anything else is held to the range rather than overflowing.
    serial = std::isnan(serial) ? 0.0 : std::clamp(serial, FirstSerial, LastSerial);
    auto day = static_cast<std::int64_t>(std::trunc(serial));
    const double fraction = std::fabs(serial - static_cast<double>(day));
    auto seconds = static_cast<std::int64_t>(std::nearbyint(fraction * SecondsPerDay));
    if (seconds >= 86400) {
        seconds -= 86400;
        day += serial < 0 ? -1 : 1;
    }
    DateTimeParts parts;
    civilFromUnixDays(day - EpochOffset, parts);
    parts.hour = static_cast<int>(seconds / 3600);
    parts.minute = static_cast<int>(seconds / 60 % 60);
    parts.second = static_cast<int>(seconds % 60);
    parts.hasDate = day != 0;
    parts.hasTime = seconds != 0;
    return parts;
}

bool inRange(double serial)
{
    return serial >= FirstSerial && serial <= LastSerial;
}

std::string formatDate(double serial)
{
    const DateTimeParts parts = splitSerial(serial);
    if (parts.hasDate && parts.hasTime)
        return dateText(parts) + " " + timeText(parts);
    if (parts.hasDate)
        return dateText(parts);
    return timeText(parts);
}

double nowSerial()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    const std::int64_t day = daysFromCivil(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
    return serialOf(day, local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec);
}

double secondsSinceMidnight()
{
    const auto now = std::chrono::system_clock::now();
    const std::time_t whole = std::chrono::system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&whole, &local);
    const auto sinceSecond = now - std::chrono::system_clock::from_time_t(whole);
    const double fraction = std::chrono::duration<double>(sinceSecond).count();
    return local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec + fraction;
}

} // namespace kestrelon::vbs::calendar
