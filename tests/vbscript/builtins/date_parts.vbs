' The parts of a date taken from numbers, dates and date text, and Weekday counting from
' the first day it is given (0 meaning Sunday, as 1 does); 5 for a first day past 7.
' needs: show.vbs
On Error Resume Next
Show Year(2)                            ' expect: Integer 1900
Show Month(2)                           ' expect: Integer 1
Show Day(2)                             ' expect: Integer 1
Show Hour(2.75)                         ' expect: Integer 18
Show Minute(2.02083)                    ' expect: Integer 30
Show Second(CDate(0.5 + 59 / 86400))    ' expect: Integer 59
Show Year("3/4/2026")                   ' expect: Integer 2026
Show Month("3/4/2026")                  ' expect: Integer 3
Show Year(Null)                         ' expect: Null
Show Year("abc") : Caught               ' expect: error 13
Show Weekday(CDate(36526))              ' expect: Integer 7
Show Weekday(CDate(36526), 2)           ' expect: Integer 6
Show Weekday(CDate(36526), 0)           ' expect: Integer 7
Show Weekday(CDate(1))                  ' expect: Integer 1
Show Weekday(CDate(-1))                 ' expect: Integer 6
Show Weekday(CDate(36526), 8) : Caught  ' expect: error 5
Show Weekday(Null)                      ' expect: Null
