' The en-US names of months and days, in full or cut to three letters (any non-zero value asks
' for the short name), days counted from the first day given; DateValue and TimeValue keep the
' date or the time of a date or date text.
' needs: show.vbs
On Error Resume Next
Show MonthName(1)                       ' expect: String January
Show MonthName(12)                      ' expect: String December
Show MonthName(9, True)                 ' expect: String Sep
Show MonthName(1, 0)                    ' expect: String January
Show MonthName(12, False)               ' expect: String December
Show MonthName(1, 10)                   ' expect: String Jan
Show MonthName(2.4)                     ' expect: String February
Show MonthName(0) : Caught              ' expect: error 5
Show MonthName(13) : Caught             ' expect: error 5
Show MonthName(Null) : Caught           ' expect: error 94
Show MonthName(1, Null) : Caught        ' expect: error 94
Show MonthName("a", Null) : Caught      ' expect: error 94
Show MonthName("a") : Caught            ' expect: error 13
Show WeekdayName(1)                     ' expect: String Sunday
Show WeekdayName(3)                     ' expect: String Tuesday
Show WeekdayName(7)                     ' expect: String Saturday
Show WeekdayName(1.1)                   ' expect: String Sunday
Show WeekdayName(1, False)              ' expect: String Sunday
Show WeekdayName(1, True)               ' expect: String Sun
Show WeekdayName(1, 10)                 ' expect: String Sun
Show WeekdayName(1, True, 2)            ' expect: String Mon
Show WeekdayName(1, True, 2.5)          ' expect: String Mon
Show WeekdayName(1, True, 1.5)          ' expect: String Mon
Show WeekdayName(1, True, 7)            ' expect: String Sat
Show WeekdayName(2, False, vbSaturday)  ' expect: String Sunday
Show WeekdayName(7, True, vbWednesday)  ' expect: String Tue
Show WeekdayName(1, True, 0) = WeekdayName(1, True, vbSunday)  ' expect: Boolean True
Show WeekdayName(0) : Caught            ' expect: error 5
Show WeekdayName(8) : Caught            ' expect: error 5
Show WeekdayName(1, True, 8) : Caught   ' expect: error 5
Show WeekdayName(Weekday(#3/15/2024#))  ' expect: String Friday

Show DateValue("1/15/2024 10:30 PM")        ' expect: Date 1/15/2024
Show DateValue("January 15, 2024")          ' expect: Date 1/15/2024
Show DateValue(#1/15/2024 10:30:00 PM#)     ' expect: Date 1/15/2024
Show DateValue(#12/29/1899 6:00:00 PM#)     ' expect: Date 12/29/1899
Show TimeValue("1/15/2024 10:30 PM")        ' expect: Date 10:30:00 PM
Show TimeValue("22:30:15")                  ' expect: Date 10:30:15 PM
Show TimeValue(#12/29/1899 6:00:00 PM#)     ' expect: Date 6:00:00 PM
Show TimeValue("1/15/2024")                 ' expect: Date 12:00:00 AM
Show DateValue("no date") : Caught          ' expect: error 13
Show DateValue(5) : Caught                  ' expect: error 13
Show TimeValue("25:00") : Caught            ' expect: error 13
