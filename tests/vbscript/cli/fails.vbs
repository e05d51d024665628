MsgBox "first line"

    x = 1 / 0  ' expect error: Division by zero (column 5)
MsgBox "never"
' expect: first line
