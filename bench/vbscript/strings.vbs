' String building: many short texts from numbers, and one long text grown a character at a time.
total = 0
For i = 1 To 1600000
    t = "unit" & i & ":" & (i * 2)
    total = total + Len(t)
Next
s = ""
For i = 1 To 20000
    s = s & Chr(65 + i Mod 26)
Next
MsgBox total & " " & Len(s) & " " & Mid(s, 100, 5)
