' An instance let go of in the middle of a statement (a procedure's local at its return, a
' temporary whose member was read, an operand of Is) runs Class_Terminate as soon as that part
' of the statement is done, before the statement goes on: the Windows engine lets go of a
' reference the moment it is no longer used.
Class Noisy
    Public Tag
    Private Sub Class_Terminate()
        MsgBox "gone " & Tag
    End Sub
End Class
Function Make(tag)
    Dim n
    Set n = New Noisy
    n.Tag = tag
    Make = Len(tag)
End Function
Function Temp(tag)
    Set Temp = New Noisy
    Temp.Tag = tag
End Function
MsgBox Make("a") & "x"                  ' expect: gone a
                                        ' expect: 1x
If Temp("b") Is Nothing Then            ' expect: gone b
    MsgBox "nothing"
Else
    MsgBox "else"                       ' expect: else
End If
MsgBox Temp("c").Tag & "!"              ' expect: gone c
                                        ' expect: c!
x = Not IsObject(Temp("d"))             ' expect: gone d
MsgBox x                                ' expect: False
x = Make("first") & Make("second")      ' expect: gone first
                                        ' expect: gone second
MsgBox x                                ' expect: 56
Set n = New Noisy
n.Tag = "n"
n = 7                                   ' expect: gone n
MsgBox n                                ' expect: 7
Sub Fails()
    Dim local
    Set local = New Noisy
    local.Tag = "failing"
    Err.Raise 5
End Sub
On Error Resume Next
Fails                                   ' expect: gone failing
MsgBox Err.Number                       ' expect: 5
On Error GoTo 0
Sub Loops()
    Dim i, held
    For i = 1 To 3
        Set held = New Noisy
        held.Tag = i
    Next
    MsgBox "loop done"
End Sub
Loops                                   ' expect: gone 1
                                        ' expect: gone 2
                                        ' expect: loop done
                                        ' expect: gone 3
On Error Resume Next
MsgBox Temp("e").Missing                ' expect: gone e
MsgBox Err.Number                       ' expect: 438
