' Arrays are values and an element passed ByRef aliases its array: assigning an array copies
' it, a copy taken during the call does not follow the alias, and the array is locked against
' replacement only while the call that holds its element runs.
original = Array(1, 2)
copied = original
copied(0) = 9
MsgBox original(0) & copied(0)          ' expect: 19

Dim aliased(1)
aliased(0) = 1
Sub CopyThenSetElement(element)
    snapshot = aliased
    element = 5
    MsgBox snapshot(0)
End Sub
CopyThenSetElement aliased(0)           ' expect: 1
MsgBox aliased(0)                       ' expect: 5

ReDim unlocked(1)
Sub SetElement(element)
    element = 1
End Sub
SetElement unlocked(0)
ReDim unlocked(3)
MsgBox UBound(unlocked)                 ' expect: 3

' Last in the file: the fixed array still refuses ReDim once the call has returned, and that
' error ends the script.
Dim locked(1)
Sub ReplaceWhileLocked(element)
    On Error Resume Next
    locked = 5
    MsgBox Err.Number                   ' expect: 10
    Erase locked
    MsgBox Err.Number                   ' expect: 10
    element = "ok"
End Sub
ReplaceWhileLocked locked(1)
MsgBox locked(1)                        ' expect: ok
ReDim locked(3)                         ' expect error: This array is fixed or temporarily locked (column 1)
