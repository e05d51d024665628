' A syntax error stops the whole script before any statement runs.
MsgBox "never shown"
x = 1 2
' expect error: Error Expected end of statement line: 3 column: 7
