' Text against numbers: beside a numeric literal the text is read as a number; a string
' literal compares with the number's text; with neither a literal, text is the greater.
MsgBox "10" > 9
' expect: True
MsgBox "42" = 42
' expect: True
MsgBox "1e2" = 100
' expect: True
MsgBox "&hff" = 255
' expect: True
x = "0"
MsgBox x > 30
' expect: False
n5 = 5
n10 = 10
MsgBox "abc" = n5
' expect: False
MsgBox "010" = n10
' expect: False
MsgBox "10" > CDbl(5)
' expect: False
MsgBox "True" = True
' expect: True
MsgBox "true" = True
' expect: False
MsgBox "1" = True
' expect: False
s = "5"
n = 5
MsgBox s = n
' expect: False
MsgBox s > n
' expect: True
MsgBox n < s
' expect: True
MsgBox Len("ab") < Space(3)
' expect: True
On Error Resume Next
b = ("abc" = 5)
MsgBox Err.Number & " " & Err.Description
' expect: 13 Type mismatch
Err.Clear
b = ("" = 5)
MsgBox Err.Number
' expect: 13
