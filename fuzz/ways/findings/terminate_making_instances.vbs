' An instance let go of in the middle of a statement (a procedure's local at its return, a
' temporary whose member was read, an operand of Is) runs Class_Terminate as soon as that part
' of the statement is done, before the statement goes on: the Windows engine lets go of a
' reference the moment it is no longer used.
Class Noisy
    Public Tag
    Private Sub Class_Terminate()
                         ' expect: 1x
If Temp("b") Is Nothing Then            ' expect: gone b
    MsgBox "nothing"
Else
    MsgBox "else"                       ' expect: else
End If
MsgBox Temp("c").Tag & "!"              ' expect: gone c
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
On Error Resume Next
MsgBox Temp("e").Missing                ' expect: gone e
MsgBox Err.Number                       ' expect: 438
