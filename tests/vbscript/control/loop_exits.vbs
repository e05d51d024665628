' Exit leaves the construct it names through any blocks nested inside it: Exit For from within
' a Select Case, Exit Function from within a Do inside a For.
For selectCounter = 1 To 5
    Select Case selectCounter
        Case 2
            Exit For
    End Select
Next
MsgBox selectCounter                    ' expect: 2

Function FirstPass()
    For pass = 1 To 3
        Do
            FirstPass = pass
            Exit Function
        Loop
    Next
    FirstPass = 99
End Function
MsgBox FirstPass()                      ' expect: 1
