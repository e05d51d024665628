' An array too large for memory fails at its own Dim, not at the call of its procedure: the Dim
' is the line to change.
MsgBox "before"
Sub Fill
    Dim few(3), cells(3, 2000000000)  ' expect error: Out of memory (column 17)
End Sub
Fill
MsgBox "never"
' expect: before
