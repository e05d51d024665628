' Dates are days since 30 December 1899 and show in the en-US short form.
MsgBox CDate(0)
' expect: 12:00:00 AM
MsgBox CDate(3.34)
' expect: 1/2/1900 8:09:36 AM
MsgBox CDate(365)
' expect: 12/30/1900
MsgBox CDate(1461.5)
' expect: 12/31/1903 12:00:00 PM
MsgBox CDate(1) & " " & CDate(-1)
' expect: 12/31/1899 12/29/1899
MsgBox #1/15/2024# + 1
' expect: 1/16/2024
MsgBox Year(2) & " " & Month(2) & " " & Day(2) & " " & Hour(2.75) & " " & Minute(2.02083)
' expect: 1900 1 1 18 30
MsgBox DateSerial(2000, 14, 2)
' expect: 2/2/2001
MsgBox Year(DateSerial(0, 1, 1)) & " " & Year(DateSerial(50, 1, 1)) & " " & Year(DateSerial(99, 1, 1))
' expect: 2000 1950 1999
MsgBox TimeSerial(10, 60, 2)
' expect: 11:00:02 AM
MsgBox Weekday(#1/1/2000#) & " " & Weekday(#1/1/2000#, vbMonday)
' expect: 7 6
MsgBox IsDate("4") & " " & IsDate(4) & " " & IsDate("1/1/2011") & " " & IsDate(#1/1/2011#)
' expect: False False True True
MsgBox TypeName(Now) & " " & TypeName(Timer)
' expect: Date Single
MsgBox #1/15/2024# - #1/1/2024#
' expect: 14
