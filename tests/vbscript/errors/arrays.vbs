' Array faults: indices outside the bounds, a fixed array resized, indexing a scalar, and an
' array whose element is being passed by reference (locked while the call lasts).
On Error Resume Next
Dim fixed(3)
fixed(4) = 1
MsgBox Err.Number & " " & Err.Description
' expect: 9 Subscript out of range
Err.Clear
ReDim fixed(5)
MsgBox Err.Number & " " & Err.Description
' expect: 10 This array is fixed or temporarily locked
Err.Clear
s = 42
s(0) = 1
MsgBox Err.Number
' expect: 13
Err.Clear
v = s(0)
MsgBox Err.Number
' expect: 13
Err.Clear
Dim grid(2, 3)
grid(2, 3) = "corner"
MsgBox grid(2, 3) & " " & UBound(grid, 1) & " " & UBound(grid, 2)
' expect: corner 2 3
v = grid(1)
MsgBox Err.Number
' expect: 9
Err.Clear
ReDim dyn(2)
dyn(2) = "last"
ReDim Preserve dyn(4)
MsgBox UBound(dyn) & " " & dyn(2)
' expect: 4 last
ReDim dyn(1)
MsgBox "[" & dyn(1) & "]"
' expect: []
ReDim g2(1, 1)
ReDim Preserve g2(2, 1)
MsgBox Err.Number
' expect: 9
Err.Clear
ReDim Preserve g2(1, 5)
MsgBox UBound(g2, 2) & " " & Err.Number
' expect: 5 0
ReDim e(-1)
MsgBox UBound(e)
' expect: -1
Sub Touch(el)
    On Error Resume Next
    ReDim dyn(10)
    MsgBox "resize while locked: " & Err.Number
    el = "written"
End Sub
ReDim dyn(1)
Touch dyn(0)
MsgBox dyn(0) & " " & UBound(dyn)
' expect: resize while locked: 10
' expect: written 1
Err.Clear
x = 5
Erase x
MsgBox Err.Number
' expect: 13
