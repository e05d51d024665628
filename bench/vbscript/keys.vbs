' Key texts built as battle scripts build them: every frame a unit appends a position key to
' its scene text with "s = s & key", and every unit starts a text of its own.
length = 0
For unit = 1 To 3000
    s = ""
    x = unit * 3
    z = 0
    For frame = 1 To 300
        x = x + 2
        z = z - 1
        s = s & "  pointkey { " & frame & " (" & x & " 0 " & z & ") }"
    Next
    length = length + Len(s)
Next
MsgBox length & " " & Mid(s, 1, 40)
