' Select Case: the selector is evaluated once, items are tried in order with the rules of "=",
' and items after the first match are never evaluated.
Function Describe(v)
    Select Case v
        Case 1, 2
            Describe = "one or two"
        Case "3"
            Describe = "text three"
        Case 4 : Describe = "four"
        Case Else
            Describe = "other"
    End Select
End Function
MsgBox Describe(2)
' expect: one or two
MsgBox Describe("3")
' expect: text three
MsgBox Describe(3)
' expect: text three
MsgBox Describe(4)
' expect: four
MsgBox Describe(Null)
' expect: other
MsgBox Describe("4")
' expect: four
Function Noisy(n)
    MsgBox "checked " & n
    Noisy = n
End Function
Select Case Noisy(2)
    Case Noisy(1), Noisy(2), Noisy(3)
        MsgBox "matched"
End Select
' expect: checked 2
' expect: checked 1
' expect: checked 2
' expect: matched
Select Case 9
    Case 1
        MsgBox "never"
End Select
MsgBox "no match runs nothing"
' expect: no match runs nothing
Select Case "b"
    Case "a" : MsgBox "a"
    Case "b" MsgBox "b without colon"
End Select
' expect: b without colon
