' Select Case compares with the "=" rules, items in order, the first match wins.
y = "3"
Select Case y
    Case "1", "2"
        MsgBox "low"
    Case "3"
        MsgBox "three as text"
    Case Else
        MsgBox "other"
End Select
' expect: three as text
Select Case y
    Case 3
        MsgBox "three as a number literal"
    Case Else
        MsgBox "no match"
End Select
' expect: three as a number literal
n = 3
Select Case n
    Case "abc"
        MsgBox "abc"
    Case 1 + 2
        MsgBox "sum"
End Select
' expect: sum
Select Case Null
    Case Null
        MsgBox "null matched"
    Case Else
        MsgBox "null never matches"
End Select
' expect: null never matches
