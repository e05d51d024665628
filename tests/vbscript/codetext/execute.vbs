' Execute runs statements where it stands: at script level like ExecuteGlobal, inside a
' procedure with its parameters, locals and result in reach; its own Dims stay inside it.
x = 1
Execute "x = x + 1"
MsgBox x                                  ' expect: 2
Execute "y = ""made"" : MsgBox y"         ' expect: made
MsgBox y                                  ' expect: made
Function Scale(a)
    Dim b
    b = 5
    Execute "b = b + a"
    Execute "Scale = b * 10"
End Function
MsgBox Scale(1)                           ' expect: 60
Sub Declares()
    Execute "Dim inside : inside = 3 : MsgBox inside"
End Sub
Declares                                  ' expect: 3
MsgBox IsEmpty(inside)                    ' expect: True
Execute "Sub Later(n) : MsgBox ""later "" & n : End Sub"
Later 4                                   ' expect: later 4
Class Box
    Public Content
    Sub Fill()
        Execute "Content = ""filled"""
    End Sub
End Class
Set b = New Box
b.Fill
MsgBox b.Content                          ' expect: filled
Execute "x = 10" & vbCrLf & "x = x * 2"
MsgBox x                                  ' expect: 20
Function Bumped()
    Dim a, i, passes
    a = 1
    Execute "a = 5"
    For i = 1 To 10
        passes = passes + 1
        Execute "i = 10"
    Next
    Bumped = a + 1 & " " & passes
End Function
MsgBox Bumped()                           ' expect: 6 1
Sub Nested(n)
    Execute "Execute ""n = n * 2"" : n = n + 1"
    MsgBox n
End Sub
Nested 4                                  ' expect: 9
