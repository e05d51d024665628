' An error a procedure cannot handle ends the script at the statement where it happened.
Dim a(2)
MsgBox "before"
Sub Fail
    a(5) = 1
End Sub
Fail
MsgBox "never"
' expect: before
' expect error: Error Subscript out of range line: 5 column: 5
