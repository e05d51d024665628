MsgBox "fine"
MsgBox "no end
' expect error: Error Unterminated string constant line: 2 column: 8
