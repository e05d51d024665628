' Two or more arguments in parentheses after a statement's name are refused at compile time.
Sub Show(a, b)
    MsgBox a & b
End Sub
Show 1, 2
  Show(1, 2)  ' expect error: Cannot use parentheses when calling a Sub (column 3)
