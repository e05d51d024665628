' DateAdd, DateDiff and DatePart with every interval (any letter case): DateAdd holds the day
' to the end of a shorter month, DateDiff counts the boundaries crossed (a year from 12/31 to
' 1/1, Sundays passed for "ww", whole weeks of days for "w"), DatePart reads one number.
' needs: show.vbs
On Error Resume Next
Show DateAdd("yyyy", 1, DateSerial(2000, 1, 1))         ' expect: Date 1/1/2001
Show DateAdd("yYyy", 1, DateSerial(2000, 1, 1))         ' expect: Date 1/1/2001
Show DateAdd("q", 1, DateSerial(2000, 1, 1))            ' expect: Date 4/1/2000
Show DateAdd("Q", 1, DateSerial(2000, 1, 1))            ' expect: Date 4/1/2000
Show DateAdd("m", -1, DateSerial(2000, 1, 1))           ' expect: Date 12/1/1999
Show DateAdd("y", 1, DateSerial(2000, 12, 31))          ' expect: Date 1/1/2001
Show DateAdd("d", 1, DateSerial(2000, 12, 31))          ' expect: Date 1/1/2001
Show DateAdd("w", -1, DateSerial(2000, 1, 1))           ' expect: Date 12/31/1999
Show DateAdd("ww", 1, DateSerial(2000, 1, 1))           ' expect: Date 1/8/2000
Show DateAdd("Ww", -1, DateSerial(2000, 1, 1))          ' expect: Date 12/25/1999
Show DateAdd("m", 1, #1/31/2000#)                       ' expect: Date 2/29/2000
Show DateAdd("m", 1, #1/31/2001#)                       ' expect: Date 2/28/2001
Show DateAdd("q", 1, #5/31/2001 6:30:00 AM#)            ' expect: Date 8/31/2001 6:30:00 AM
Show DateAdd("yyyy", -1, #2/29/2000#)                   ' expect: Date 2/28/1999
Show DateAdd("h", 25, #1/1/2000 11:00:00 PM#)           ' expect: Date 1/3/2000
Show DateAdd("n", -1, #1/1/2000#)                       ' expect: Date 12/31/1999 11:59:00 PM
Show DateAdd("s", 90, "1/1/2000")                       ' expect: Date 1/1/2000 12:01:30 AM
Show DateAdd("d", 1, #12/30/1899 6:00:00 PM#)           ' expect: Date 12/31/1899 6:00:00 PM
Show DateAdd("d", -1, #12/30/1899 6:00:00 PM#)          ' expect: Date 12/29/1899 6:00:00 PM
Show DateAdd("q", 1, Null)                              ' expect: Null
Show DateAdd("k", 1, DateSerial(2000, 2, 1)) : Caught   ' expect: error 5
Show DateAdd(Null, 1, DateSerial(2000, 2, 1)) : Caught  ' expect: error 94
Show DateAdd("q", Null, DateSerial(2000, 2, 1)) : Caught  ' expect: error 94
Show DateAdd("d", 1, "no date") : Caught                ' expect: error 13
x = DateAdd("yyyy", 1, #12/31/9999#)
If Err.Number <> 0 Then MsgBox "past 9999 refused" : Err.Clear  ' expect: past 9999 refused

Show DateDiff("yyyy", #12/31/2000#, #1/1/2001#)         ' expect: Long 1
Show DateDiff("yyyy", #1/1/2000#, #12/31/2000#)         ' expect: Long 0
Show DateDiff("q", #3/31/2000#, #4/1/2000#)             ' expect: Long 1
Show DateDiff("m", #1/31/2000#, #2/1/2000#)             ' expect: Long 1
Show DateDiff("m", #3/15/2001#, #1/15/2000#)            ' expect: Long -14
Show DateDiff("y", #1/1/2000#, #3/1/2000#)              ' expect: Long 60
Show DateDiff("d", #1/1/2000 11:00:00 PM#, #1/2/2000 1:00:00 AM#)  ' expect: Long 1
Show DateDiff("d", #1/2/2000#, #1/1/2000 11:00:00 PM#)  ' expect: Long -1
Show DateDiff("w", #1/3/2000#, #1/16/2000#)             ' expect: Long 1
Show DateDiff("w", #1/3/2000#, #1/17/2000#)             ' expect: Long 2
Show DateDiff("w", #1/17/2000#, #1/3/2000#)             ' expect: Long -2
Show DateDiff("ww", #1/1/2000#, #1/2/2000#)             ' expect: Long 1
Show DateDiff("ww", #1/2/2000#, #1/8/2000#)             ' expect: Long 0
Show DateDiff("ww", #1/2/2000#, #1/9/2000#)             ' expect: Long 1
Show DateDiff("ww", #1/1/2000#, #1/2/2000#, vbMonday)   ' expect: Long 0
Show DateDiff("ww", #1/1/2000#, #1/3/2000#, vbMonday)   ' expect: Long 1
Show DateDiff("h", #1/1/2000 1:59:00 AM#, #1/1/2000 2:01:00 AM#)  ' expect: Long 1
Show DateDiff("n", #1/1/2000 1:59:59 AM#, #1/1/2000 2:00:00 AM#)  ' expect: Long 1
Show DateDiff("s", #1/1/2000#, #1/2/2000#)              ' expect: Long 86400
Show DateDiff("h", #12/29/1899 6:00:00 PM#, #12/30/1899#)  ' expect: Long 6
Show DateDiff("d", Null, #1/1/2000#)                    ' expect: Null
Show DateDiff("z", #1/1/2000#, #1/2/2000#) : Caught     ' expect: error 5
Show DateDiff(Null, #1/1/2000#, #1/2/2000#) : Caught    ' expect: error 94
Show DateDiff("d", #1/1/2000#, #1/2/2000#, 8) : Caught  ' expect: error 5
Show DateDiff("d", #1/1/2000#, #1/2/2000#, 1, 4) : Caught  ' expect: error 5

Show DatePart("yyyy", #3/15/2024 1:02:03 PM#)           ' expect: Integer 2024
Show DatePart("q", #3/15/2024 1:02:03 PM#)              ' expect: Integer 1
Show DatePart("m", #3/15/2024 1:02:03 PM#)              ' expect: Integer 3
Show DatePart("y", #3/15/2024 1:02:03 PM#)              ' expect: Integer 75
Show DatePart("d", #3/15/2024 1:02:03 PM#)              ' expect: Integer 15
Show DatePart("w", #3/15/2024 1:02:03 PM#)              ' expect: Integer 6
Show DatePart("w", #3/15/2024#, vbMonday)               ' expect: Integer 5
Show DatePart("h", #3/15/2024 1:02:03 PM#)              ' expect: Integer 13
Show DatePart("N", #3/15/2024 1:02:03 PM#)              ' expect: Integer 2
Show DatePart("s", #3/15/2024 1:02:03 PM#)              ' expect: Integer 3
Show DatePart("q", #12/31/2024#)                        ' expect: Integer 4
Show DatePart("y", #12/31/2024#)                        ' expect: Integer 366
Show DatePart("ww", #1/1/2000#)                         ' expect: Integer 1
Show DatePart("ww", #1/2/2000#)                         ' expect: Integer 2
Show DatePart("ww", #3/15/2024#)                        ' expect: Integer 11
Show DatePart("ww", #3/15/2024#, vbSunday, vbFirstFullWeek)  ' expect: Integer 10
Show DatePart("ww", #3/15/2024#, vbSunday, vbFirstFourDays)  ' expect: Integer 11
Show DatePart("ww", #3/15/2024#, vbMonday, vbFirstFullWeek)  ' expect: Integer 11
Show DatePart("ww", #3/15/2023#, vbMonday, vbFirstFourDays)  ' expect: Integer 11
Show DatePart("ww", #3/15/2023#, vbMonday, vbFirstFullWeek)  ' expect: Integer 11
Show DatePart("ww", #3/15/2023#, vbSunday, vbFirstJan1)      ' expect: Integer 11
Show DatePart("m", "2/29/2000")                         ' expect: Integer 2
Show DatePart("d", Null)                                ' expect: Null
Show DatePart("x", #1/1/2000#) : Caught                 ' expect: error 5
Show DatePart(Null, #1/1/2000#) : Caught                ' expect: error 94
Show DatePart("ww", #1/1/2000#, 1, 4) : Caught          ' expect: error 5
Show DatePart("ww", #1/1/2000#, Null) : Caught          ' expect: error 94
