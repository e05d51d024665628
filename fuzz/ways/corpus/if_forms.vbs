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

' A comparison as the whole condition: numbers of every kind, texts, Empty, and Null, which
' makes the comparison Null and so the condition false, whichever way the test runs.
Sub Comparisons
    Dim probe, blank, k
    probe = Null
    If probe = 1 Then MsgBox "null equal" Else MsgBox "null compare false"
    If probe <> 1 Then MsgBox "null unequal" Else MsgBox "still false"
    If "10" > 9 Then MsgBox "text above" Else MsgBox "text below"
    If "abc" < "abd" Then MsgBox "texts ordered"
    If blank = 0 Then MsgBox "empty is zero"
    If 2.5 >= 5 \ 2 Then MsgBox "double and whole"
    If CByte(3) < 3.5 Then MsgBox "byte and double"
    k = 0
    Do Until probe = 1 Or k >= 2 : k = k + 1 : Loop : MsgBox k
    k = 0
    Do : k = k + 1 : Loop Until k * 2 >= 7 : MsgBox k
    k = 0
    Do While "x" & k <> "x3" : k = k + 1 : Loop : MsgBox k
End Sub
Comparisons
' expect: null compare false
' expect: still false
' expect: text above
' expect: texts ordered
' expect: empty is zero
' expect: double and whole
' expect: byte and double
' expect: 2
' expect: 4
' expect: 3

' A comparison that cannot be made fails where it stands.
Sub Mismatch
    If "abc" > 1 Then MsgBox "never"
End Sub
Sub Caught
    On Error Resume Next
    Mismatch
    MsgBox Err.Number
End Sub
Caught                                  ' expect: 13
