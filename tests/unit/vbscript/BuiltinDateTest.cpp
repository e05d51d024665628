// The date built-ins: the parts of a serial date, Weekday with its first day, DateSerial and
// TimeSerial carrying over out-of-range parts, IsDate refusing numbers, and the clock.
#include "BuiltinTestSupport.h"

#include <gtest/gtest.h>

using namespace kestrelon::vbs;
using namespace kestrelon::vbs::testing;

TEST(BuiltinDateTest, PartsOfADate)
{
    const std::vector<CallCase> rows = {
        {"Year", {I(2)}, "Integer 1900"},
        {"Month", {I(2)}, "Integer 1"},
        {"Day", {I(2)}, "Integer 1"},
        {"Hour", {D(2.75)}, "Integer 18"},
        {"Minute", {D(2.02083)}, "Integer 30"},
        {"Second", {Dt(0.5 + 59.0 / 86400)}, "Integer 59"},
        {"Year", {S("3/4/2026")}, "Integer 2026"},
        {"Month", {S("3/4/2026")}, "Integer 3"},
        {"Year", {N()}, "Null"},
        {"Year", {S("abc")}, "error 13"},
        {"Weekday", {Dt(36526)}, "Integer 7"},
        {"Weekday", {Dt(36526), I(2)}, "Integer 6"},
        {"Weekday", {Dt(36526), I(0)}, "Integer 7"},
        {"Weekday", {Dt(1)}, "Integer 1"},
        {"Weekday", {Dt(-1)}, "Integer 6"},
        {"Weekday", {Dt(36526), I(8)}, "error 5"},
        {"Weekday", {N()}, "Null"},
    };
    EXPECT_CALLS(rows);
}

TEST(BuiltinDateTest, BuildingDatesAndTimes)
{
    const std::vector<CallCase> rows = {
        {"DateSerial", {I(2000), I(1), I(1)}, "Date 1/1/2000"},
        {"DateSerial", {I(2000), I(14), I(2)}, "Date 2/2/2001"},
        {"DateSerial", {I(2000), I(3), I(0)}, "Date 2/29/2000"},
        {"DateSerial", {I(2000), I(0), I(1)}, "Date 12/1/1999"},
        {"DateSerial", {I(0), I(1), I(1)}, "Date 1/1/2000"},
        {"DateSerial", {I(50), I(1), I(1)}, "Date 1/1/1950"},
        {"DateSerial", {I(99), I(1), I(1)}, "Date 1/1/1999"},
        {"DateSerial", {I(100), I(1), I(1)}, "Date 1/1/100"},
        {"DateSerial", {I(10000), I(1), I(1)}, "error 5"},
        {"DateSerial", {N(), I(1), I(1)}, "error 94"},
        {"TimeSerial", {I(24), I(2), I(1)}, "Date 12/31/1899 12:02:01 AM"},
        {"TimeSerial", {I(10), I(60), I(2)}, "Date 11:00:02 AM"},
        {"TimeSerial", {I(13), I(0), I(0)}, "Date 1:00:00 PM"},
        {"IsDate", {S("4")}, "Boolean False"},
        {"IsDate", {I(4)}, "Boolean False"},
        {"IsDate", {S("1/1/2011")}, "Boolean True"},
        {"IsDate", {S("10:30 PM")}, "Boolean True"},
        {"IsDate", {S("2/30/2011")}, "Boolean False"},
        {"IsDate", {Dt(3)}, "Boolean True"},
        {"IsDate", {E()}, "Boolean False"},
        {"IsDate", {N()}, "Boolean False"},
    };
    EXPECT_CALLS(rows);
}

TEST(BuiltinDateTest, TheClock)
{
    TestContext context;
    const Value now = call(context, "Now", {});
    const Value today = call(context, "Date", {});
    const Value time = call(context, "Time", {});
    const Value timer = call(context, "Timer", {});
    EXPECT_EQ(now.type(), VarType::Date);
    EXPECT_GT(now.asDouble(), 45000.0); // after 2023
    EXPECT_EQ(today.asDouble(), static_cast<double>(static_cast<std::int64_t>(today.asDouble())));
    EXPECT_LT(time.asDouble(), 1.0);
    EXPECT_EQ(timer.type(), VarType::Single);
    EXPECT_GE(timer.asSingle(), 0.0f);
    EXPECT_LT(timer.asSingle(), 86401.0f);
}
