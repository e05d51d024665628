' Where On Error Resume Next goes on: a failing call leaves the assignment's target alone, a
' failure inside a block goes on inside it, a failing ElseIf condition or With object still
' enters the block, and each On Error statement clears Err. Every case ends with On Error GoTo 0.
Function RaiseFive()
    Err.Raise 5
End Function
On Error Resume Next
kept = 1
kept = 2 + RaiseFive()
MsgBox kept                             ' expect: 1
On Error GoTo 0

On Error Resume Next
If True Then
    quotient = 1 / 0
    MsgBox "next in body"               ' expect: next in body
End If
MsgBox "after"                          ' expect: after
On Error GoTo 0

On Error Resume Next
failed = 1 / 0
MsgBox Err.Number                       ' expect: 11
On Error Resume Next
MsgBox Err.Number                       ' expect: 0
On Error GoTo 0

On Error Resume Next
If False Then
    MsgBox 1
ElseIf 1 / 0 Then
    MsgBox "elseif entered"             ' expect: elseif entered
Else
    MsgBox 3
End If
On Error GoTo 0

On Error Resume Next
With 1 / 0
    MsgBox "body runs"                  ' expect: body runs
    .Prop = 1
    MsgBox Err.Number                   ' expect: 424
End With
On Error GoTo 0
