' An instance still held when the script ends runs Class_Terminate then, after the script's
' last line, even when the script ended on an error.
Class Farewell
    Private Sub Class_Terminate()
        MsgBox "farewell"
    End Sub
End Class
Set kept = New Farewell
MsgBox "last line"                      ' expect: last line
Err.Raise 5                             ' expect error: Invalid procedure call or argument (column 1)
                                        ' expect: farewell
