' A syntax error stops the whole script before any statement runs.
MsgBox "never shown"
x = 1 2  ' expect error: Expected end of statement (column 7)
