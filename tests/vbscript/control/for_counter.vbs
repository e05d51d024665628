' The For counter and step: a ByRef parameter as counter leaves its end value in the caller's
' variable, a counter turned to text fails at Next, and the step is evaluated once at the start.
Sub CountToThree(counter)
    For counter = 1 To 3
    Next
End Sub
CountToThree counted
MsgBox counted                          ' expect: 4

stepSize = 1
For stepped = 1 To 4 Step stepSize
    stepSize = 2
    MsgBox stepped
Next
' expect: 1
' expect: 2
' expect: 3
' expect: 4

On Error Resume Next
For textCounter = 1 To 3
    textCounter = "x"
    MsgBox "pass"                       ' expect: pass
Next
MsgBox Err.Number                       ' expect: 13
On Error GoTo 0
