MsgBox "fine"
MsgBox "no end
' expect error: Unterminated string constant (column 8)
