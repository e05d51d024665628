MsgBox "first line"

    x = 1 / 0
MsgBox "never"
' expect: first line
' expect error: Error Division by zero line: 3 column: 5
