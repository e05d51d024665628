' Procedure calls with arguments: a function of three values and a Sub that adds to a
' variable passed by reference, as scripts split their work into small procedures.
Function Clamp(v, lo, hi)
    If v < lo Then
        Clamp = lo
    ElseIf v > hi Then
        Clamp = hi
    Else
        Clamp = v
    End If
End Function

Sub Accumulate(ByRef total, ByVal amount)
    total = total + amount
End Sub

total = 0
For i = 1 To 9000000
    Accumulate total, Clamp(i Mod 200, 20, 180)
Next
MsgBox total
