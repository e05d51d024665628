' DateSerial and TimeSerial carry out-of-range parts over into the next larger one and read
' two-digit years as 19xx or 20xx; IsDate accepts dates and date text but never numbers.
' needs: show.vbs
On Error Resume Next
Show DateSerial(2000, 1, 1)            ' expect: Date 1/1/2000
Show DateSerial(2000, 14, 2)           ' expect: Date 2/2/2001
Show DateSerial(2000, 3, 0)            ' expect: Date 2/29/2000
Show DateSerial(2000, 0, 1)            ' expect: Date 12/1/1999
Show DateSerial(0, 1, 1)               ' expect: Date 1/1/2000
Show DateSerial(50, 1, 1)              ' expect: Date 1/1/1950
Show DateSerial(99, 1, 1)              ' expect: Date 1/1/1999
Show DateSerial(100, 1, 1)             ' expect: Date 1/1/100
Show DateSerial(10000, 1, 1) : Caught  ' expect: error 5
Show DateSerial(Null, 1, 1) : Caught   ' expect: error 94
Show TimeSerial(24, 2, 1)              ' expect: Date 12/31/1899 12:02:01 AM
Show TimeSerial(10, 60, 2)             ' expect: Date 11:00:02 AM
Show TimeSerial(13, 0, 0)              ' expect: Date 1:00:00 PM
Show IsDate("4")                       ' expect: Boolean False
Show IsDate(4)                         ' expect: Boolean False
Show IsDate("1/1/2011")                ' expect: Boolean True
Show IsDate("10:30 PM")                ' expect: Boolean True
Show IsDate("2/30/2011")               ' expect: Boolean False
Show IsDate(CDate(3))                  ' expect: Boolean True
Show IsDate(Empty)                     ' expect: Boolean False
Show IsDate(Null)                      ' expect: Boolean False
