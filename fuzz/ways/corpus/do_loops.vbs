' Do and While loops with the condition at either end, Exit Do, and Null as a false condition.
i = 0
Do While i < 3 : i = i + 1 : Loop : MsgBox i
' expect: 3
Do Until i = 0 : i = i - 1 : Loop : MsgBox i
' expect: 0
Do : i = i + 1 : Loop While i < 5 : MsgBox i
' expect: 5
Do : i = i + 1 : Loop Until i >= 7 : MsgBox i
' expect: 7
Do
    i = i + 1
    If i = 10 Then Exit Do
Loop
MsgBox i
' expect: 10
While i > 5 : i = i - 1 : Wend : MsgBox i
' expect: 5
Do While Null : MsgBox "never" : Loop : MsgBox "null is false"
' expect: null is false
n = 0
Do
    For j = 1 To 3
        n = n + 1
        If j = 2 Then Exit Do
    Next
    n = n + 100
Loop
MsgBox n
' expect: 2
k = 10
Do : k = k + 1 : Loop While k < 5 : MsgBox k
' expect: 11
