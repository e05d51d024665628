' Numbers become text with at most 15 significant digits (7 for Single), without trailing
' zeros, in exponent form only where the plain form would need more places.
MsgBox 1/3
' expect: 0.333333333333333
MsgBox CStr(1E+20)
' expect: 1E+20
MsgBox 1e15
' expect: 1E+15
MsgBox 1e14
' expect: 100000000000000
MsgBox 0.1 + 0.2
' expect: 0.3
MsgBox 2^53
' expect: 9.00719925474099E+15
MsgBox Sqr(2)
' expect: 1.4142135623731
MsgBox 9.2 * 100
' expect: 920
MsgBox 0.00001
' expect: 0.00001
MsgBox CSng(1) / 3
' expect: 0.3333333
MsgBox CStr(-0.0)
' expect: 0
MsgBox CCur(1.5) & " " & CCur(0.000149) & " " & CCur(2)
' expect: 1.5 0.0001 2
MsgBox True & " " & False
' expect: True False
MsgBox "[" & Empty & "]"
' expect: []
s = 0
For i = 1 To 10
    s = s + 0.1
Next
MsgBox s
' expect: 1
MsgBox 4.35 * 100
' expect: 435
