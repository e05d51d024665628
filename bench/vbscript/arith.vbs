' A loop of whole-number and floating-point arithmetic.
total = 0
x = 0.5
For i = 1 To 24000000
    total = (total + i * 3 + i \ 7) Mod 1000003
    x = x * 0.999 + 1
Next
MsgBox total & " " & Int(x)
