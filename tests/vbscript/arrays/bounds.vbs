' Array bounds: every array starts at 0, UBound and LBound take a 1-based dimension, and an
' index outside the bounds is "Subscript out of range".
Dim a(3), grid(2, 4), dynamic()
MsgBox LBound(a) & " " & UBound(a) & " " & UBound(grid) & " " & UBound(grid, 2)
' expect: 0 3 2 4
MsgBox UBound(Array()) & " " & UBound(Array(10, 20, 30)) & " " & Array(10, 20, 30)(1)
' expect: -1 2 20
MsgBox IsArray(a) & " " & IsArray(dynamic) & " " & IsArray(5)
' expect: True True False
ReDim dynamic(5)
MsgBox UBound(dynamic)
' expect: 5
dynamic(5) = "last"
ReDim Preserve dynamic(7)
MsgBox UBound(dynamic) & " " & dynamic(5)
' expect: 7 last
a(2.5) = "even"
MsgBox a(2)
' expect: even
On Error Resume Next
x = a(4)
MsgBox Err.Number & " " & Err.Description
' expect: 9 Subscript out of range
Err.Clear
x = UBound(grid, 3)
MsgBox Err.Number
' expect: 9
Err.Clear
Dim never()
x = UBound(never)
MsgBox Err.Number
' expect: 9
Err.Clear
x = UBound(Empty)
MsgBox Err.Number
' expect: 13
Err.Clear
ReDim a(5)
MsgBox Err.Number & " " & Err.Description
' expect: 10 This array is fixed or temporarily locked
