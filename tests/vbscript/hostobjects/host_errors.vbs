' Errors of host methods reach the script as run-time errors with the host's number and
' text; arguments are converted as the method declares them.
On Error Resume Next
x = ThisGuy.GetMiscData(11)
MsgBox Err.Number & " " & Err.Description
' expect: 9 Subscript out of range
Err.Clear
ThisGuy.NoSuchMember
MsgBox Err.Number
' expect: 438
Err.Clear
x = Game.GetCX("abc")
MsgBox Err.Number
' expect: 13
Err.Clear
ThisGuy.Team = 3000000000
MsgBox Err.Number & " " & ThisGuy.Team
' expect: 6 0
Err.Clear
Game.SetNumContacts 1, 2
MsgBox Err.Number
' expect: 450
Err.Clear
ThisGuy.Team = Null
MsgBox Err.Number
' expect: 94
On Error GoTo 0
MsgBox "before"
' expect: before
Game.GetCX 5  ' expect error: Subscript out of range (column 1)
