' The handler belongs to the running procedure: a procedure without one is left at the error,
' which goes on in its caller; returning does not clear Err.
Sub Inner
    x = 1 / 0
    MsgBox "inner continued"
End Sub
Sub Outer
    On Error Resume Next
    Inner
    MsgBox "outer continued " & Err.Number
End Sub
Outer
' expect: outer continued 11
Sub WithHandler
    On Error Resume Next
    x = 1 / 0
    MsgBox "handler continued"
End Sub
WithHandler
' expect: handler continued
MsgBox Err.Number
' expect: 11
Sub TurnsOff
    On Error Resume Next
    On Error GoTo 0
    x = 1 / 0
    MsgBox "never"
End Sub
On Error Resume Next
TurnsOff
MsgBox "caller resumed " & Err.Number
' expect: caller resumed 11
Function Deep(n)
    Deep = Deep(n + 1)
End Function
Err.Clear
d = Deep(1)
MsgBox Err.Number & " " & Err.Description
' expect: 28 Out of stack space
