' CBool and conditions: numbers other than 0 are True, text must be a number or a Boolean
' word, Null and Empty are False in conditions.
MsgBox CBool(5) & " " & CBool(0) & " " & CBool("0") & " " & CBool("0.1")
' expect: True False False True
MsgBox CBool("true") & " " & CBool("#TRUE#") & " " & CBool("FALSE") & " " & CBool(Empty)
' expect: True True False False
If Null Then MsgBox "null is true" Else MsgBox "null is false"
' expect: null is false
If Empty Then MsgBox "empty is true" Else MsgBox "empty is false"
' expect: empty is false
If "-1" Then MsgBox "text -1 is true"
' expect: text -1 is true
If "TRUE" Then MsgBox "text TRUE is true"
' expect: text TRUE is true
If 0.1 Then MsgBox "0.1 is true"
' expect: 0.1 is true
On Error Resume Next
x = CBool("")
MsgBox Err.Number
' expect: 13
