Option Explicit
' Under Option Explicit, New of a name declared nowhere is "Variable is undefined"; of a
' variable it stays "Class not defined".
Class Known
End Class
Dim k, v
Set k = New Known
MsgBox TypeName(k)                      ' expect: Known
On Error Resume Next
Set k = New Unknown
MsgBox Err.Number                       ' expect: 500
Err.Clear
Set k = New v
MsgBox Err.Number                       ' expect: 506
