' Operator precedence: unary minus binds tighter than "^", "\" sits below "*" and "/",
' Mod below "\", and "^" is left-associative.
x = -3 ^ 2
MsgBox x
' expect: 9
MsgBox 2 ^ 3 ^ 2
' expect: 64
MsgBox 12 / 3 \ 2
' expect: 2
MsgBox 5 \ 4 / 2
' expect: 2
MsgBox 7 Mod 4 + 2
' expect: 5
MsgBox 2 + 3 \ 4
' expect: 2
MsgBox 1 + 2 & 3 + 4
' expect: 37
MsgBox 1 = 1 < 0
' expect: True
MsgBox True Or False Xor True
' expect: False
MsgBox Not 1 = 2
' expect: True
