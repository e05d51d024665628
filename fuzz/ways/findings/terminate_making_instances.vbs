' A Class_Terminate that makes instances of its own class which go at once: each end starts
' two more, on and on, and errors in Class_Terminate are not the script's to see, so only the
' time limit can stop it (it once ran past the limit).
Class Chain
    Private Sub Class_Terminate()
        Dim other
        Set other = New Chain
        Set other = New Chain
    End Sub
End Class
Set c = New Chain
Set c = Nothing
MsgBox "never"
