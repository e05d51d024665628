Option Explicit
' Undeclared names are errors under Option Explicit; ReDim still makes its variable.
Dim declared
declared = 1
MsgBox declared
' expect: 1
On Error Resume Next
undeclared = 2
MsgBox Err.Number & " " & Err.Description
' expect: 500 Variable is undefined
Err.Clear
declared = undeclaredRead
MsgBox Err.Number
' expect: 500
Err.Clear
ReDim made(2)
MsgBox UBound(made) & " " & Err.Number
' expect: 2 0
On Error GoTo 0
y = 1  ' expect error: Variable is undefined (column 1)
