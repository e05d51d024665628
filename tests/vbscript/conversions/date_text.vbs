' Dates show in the en-US short form (no date part at day 0, no time part at midnight), from
' 1/1/100 to 12/31/9999; CDate takes day numbers and the common written forms of dates and
' times, two-digit years up to 29 in the 2000s, and fails on impossible dates.
' needs: show.vbs
On Error Resume Next
Show CStr(CDate(0))                 ' expect: String 12:00:00 AM
Show CStr(CDate(3.34))              ' expect: String 1/2/1900 8:09:36 AM
Show CStr(CDate(365))               ' expect: String 12/30/1900
Show CStr(CDate(1461.5))            ' expect: String 12/31/1903 12:00:00 PM
Show CStr(CDate(0.75))              ' expect: String 6:00:00 PM
Show CStr(CDate(-1.5))              ' expect: String 12/29/1899 12:00:00 PM
Show CStr(CDate(2958465))           ' expect: String 12/31/9999
Show CStr(CDate(-657434))           ' expect: String 1/1/100
Show CDate(1)                       ' expect: Date 12/31/1899
Show CDate(-1)                      ' expect: Date 12/29/1899
Show CDate(100000)                  ' expect: Date 10/14/2173
Show CDate("1")                     ' expect: Date 12/31/1899
Show CDate("") : Caught             ' expect: error 13
Show CDate("1/15/2024")             ' expect: Date 1/15/2024
Show CDate("2024-01-15 22:30")      ' expect: Date 1/15/2024 10:30:00 PM
Show CDate("January 15, 2024 10:30:05 PM")  ' expect: Date 1/15/2024 10:30:05 PM
Show CDate("15 Jan 2024")           ' expect: Date 1/15/2024
Show CDate("13/1/2024")             ' expect: Date 1/13/2024
Show CDate("2/30/2024") : Caught    ' expect: error 13
Show CDate("12:00 PM")              ' expect: Date 12:00:00 PM
Show CDate("1/1/99")                ' expect: Date 1/1/1999
Show CDate("1/1/29")                ' expect: Date 1/1/2029
Show CDate(3E6) : Caught            ' expect: error 6
Show CDate(Null) : Caught           ' expect: error 94
