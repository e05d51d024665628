MsgBox "red" & Chr(27) & "[31m"
MsgBox "one" & vbCrLf & "two" & vbCr & "three" & vbLf & "four" & vbLf
MsgBox "a" & vbTab & "b" & Chr(7) & Chr(127) & Chr(0) & Chr(155)
