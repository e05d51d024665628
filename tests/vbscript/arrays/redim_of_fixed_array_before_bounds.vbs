' ReDim of a fixed array reports 10 "This array is fixed or temporarily locked" before it
' looks at the new bounds, whatever is wrong with them; a dynamic array reports the bounds'
' own faults.
Dim fixed(3)
Dim dynamic()
On Error Resume Next
ReDim fixed(-5)
MsgBox Err.Number                       ' expect: 10
Err.Clear
ReDim fixed("x")
MsgBox Err.Number                       ' expect: 10
Err.Clear
ReDim fixed(1 / 0)
MsgBox Err.Number                       ' expect: 10
Err.Clear
ReDim dynamic("x")
MsgBox Err.Number                       ' expect: 13
Err.Clear
ReDim dynamic(-5)
MsgBox Err.Number                       ' expect: 9
Err.Clear
MsgBox UBound(fixed)                    ' expect: 3
