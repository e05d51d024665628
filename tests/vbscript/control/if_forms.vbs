' If in its one-line and block forms, ElseIf and Else with statements on their own line, and
' the truth of conditions: Null and Empty are false, text is read as a number or True/False.
x = 5
If x > 3 Then MsgBox "big" Else MsgBox "small"
' expect: big
If x > 10 Then MsgBox "huge" : MsgBox "really" Else MsgBox "not huge" : MsgBox "second"
' expect: not huge
' expect: second
If x = 5 Then
    MsgBox "five"
ElseIf x = 6 Then
    MsgBox "six"
Else
    MsgBox "other"
End If
' expect: five
If x = 6 Then
    MsgBox "six"
ElseIf x = 5 Then MsgBox "elseif on its line"
Else MsgBox "other" End If
' expect: elseif on its line
If false then y=1 else y=2 end if
MsgBox y
' expect: 2
c = True
If c Then If False Then MsgBox "inner then" Else MsgBox "inner else"
' expect: inner else
If Null Then MsgBox "null true" Else MsgBox "null false"
' expect: null false
If Empty Then MsgBox "empty true" Else MsgBox "empty false"
' expect: empty false
If "0" Then MsgBox "zero text true" Else MsgBox "zero text false"
' expect: zero text false
If "TRUE" Then MsgBox "TRUE text true"
' expect: TRUE text true
If 0.1 Then MsgBox "fraction true"
' expect: fraction true
If x Then MsgBox "number true"
' expect: number true
