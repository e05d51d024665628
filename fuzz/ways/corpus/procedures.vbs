Function F(ByVal n, ByRef m)
    m = m + 1
    If n > 0 Then F = F(n - 1, m) + n Else F = 0
End Function
Sub S(x) : x = x & "!" : End Sub
Dim t : t = 0
MsgBox F(5, t) & " " & t
S t : S (t) : Call S(t)
With ThisGuy : .xPos = 3 : MsgBox .xPos : End With
