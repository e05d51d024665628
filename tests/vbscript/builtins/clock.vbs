' The clock: Now is a Date after 2023, Date has no time of day, Time no day, and Timer is
' a Single count of the seconds since midnight.
' needs: show.vbs
On Error Resume Next
current = Now
today = Date
timeOfDay = Time
seconds = Timer
Show VarType(current) = vbDate       ' expect: Boolean True
Show CDbl(current) > 45000           ' expect: Boolean True
Show CDbl(today) = Int(CDbl(today))  ' expect: Boolean True
Show CDbl(timeOfDay) < 1             ' expect: Boolean True
Show TypeName(seconds)               ' expect: String Single
Show seconds >= 0                    ' expect: Boolean True
Show seconds < 86401                 ' expect: Boolean True
