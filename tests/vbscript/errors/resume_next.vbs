' On Error Resume Next goes on with the next statement, wherever it lies: the target of a
' failed assignment keeps its value, a failed If condition enters its Then block, a failed
' Do While condition enters the body, a failed Select Case runs no Case, a failed Case item runs
' its own Case, and failed For bounds run the body once before Next fails.
On Error Resume Next
x = 1
x = 1 / 0
MsgBox x
' expect: 1
MsgBox Err.Number & " " & Err.Description & " / " & Err.Source
' expect: 11 Division by zero / Microsoft VBScript runtime error
Err.Clear
MsgBox Err.Number & "[" & Err.Description & "]"
' expect: 0[]
If 1 / 0 Then MsgBox "then entered" Else MsgBox "else entered"
' expect: then entered
y = 0
Do While 1 / 0
    y = y + 1
    If y = 2 Then Exit Do
Loop
MsgBox y
' expect: 2
Do
    y = y + 1
Loop While 1 / 0
MsgBox y
' expect: 3
Select Case 1 / 0
    Case Else
        MsgBox "never"
End Select
MsgBox "after select"
' expect: after select
Select Case 5
    Case 1 / 0
        MsgBox "case with the failing item runs"
    Case 5
        MsgBox "not this one"
End Select
' expect: case with the failing item runs
Err.Clear
x = 6
For x = 1 / 0 To 3
    MsgBox "for body once, counter " & x & ", error " & Err.Number
Next
MsgBox Err.Number
' expect: for body once, counter 6, error 11
' expect: 92
For Each v In 42
    MsgBox "for each body once"
Next
MsgBox Err.Number
' expect: for each body once
' expect: 451
z = 1 : z = "abc" * 2 : MsgBox z & " " & Err.Number
' expect: 1 13
On Error GoTo 0
MsgBox Err.Number
' expect: 0
