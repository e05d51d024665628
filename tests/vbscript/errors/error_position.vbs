' An error a procedure cannot handle ends the script at the statement where it happened.
Dim a(2)
MsgBox "before"
Sub Fail
    a(5) = 1  ' expect error: Subscript out of range (column 5)
End Sub
Fail
MsgBox "never"
' expect: before
