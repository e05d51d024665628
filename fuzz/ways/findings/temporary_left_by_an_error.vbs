' A temporary instance left behind by an error (the operand of a "&" that fails: the class has
' no default member) went only when the script level did, after the error had reached the
' host, in compiled code, while the tree interpreter let it go with the statement.
Class Tracked
    Public Sub Class_Terminate()
        MsgBox "gone"
    End Sub
End Class
MsgBox "start"
Set c = New Tracked & "a"
