' Names are found in this order: script variables and procedures, named objects, built-ins,
' then the members of objects added with their members.
Dim Team
Team = 99
MsgBox Team & " " & ThisGuy.Team
' expect: 99 0
Function GetCX(n)
    GetCX = "script's own"
End Function
MsgBox GetCX(1)
' expect: script's own
Sub Probe
    Dim Range
    Range = "local"
    MsgBox Range & " " & ThisGuy.Range
End Sub
ThisGuy.Range = 6
Probe
' expect: local 6
MsgBox Range
' expect: 6
Range = 8
MsgBox ThisGuy.Range
' expect: 8
' A member's bare name in a loop stays the member at every pass, read and written.
start = xPos
For k = 1 To 3
    xPos = xPos + k
Next
MsgBox xPos - start & " " & (ThisGuy.xPos - start)
' expect: 6 6
