' The host's objects by name and their members without a prefix: reading, assigning (a bare
' member name sets the property), calling methods with and without parentheses, With.
ThisGuy.xPos = 3
MsgBox ThisGuy.xPos
' expect: 3
xPos = 5
MsgBox ThisGuy.XPOS & " " & xpos
' expect: 5 5
MsgBox TypeName(ThisGuy) & " " & TypeName(Game) & " " & TypeName(ThisGuy.Team)
' expect: Avatar Game Long
ThisGuy.SetMiscData 1, "hello"
MsgBox ThisGuy.GetMiscData(1) & " " & GetMiscData(1)
' expect: hello hello
SetMiscData 2.5, "two"
MsgBox GetMiscData(2)
' expect: two
Game.SetNumContacts 3
Game.SetContactPos 2, 1, 10, 0, 0, False, 100
SetContactPos 2, 2, 0, 0, 4, False, 100
MsgBox Game.GetCX(1) & " " & GetCX(1) & " " & getcz(2)
' expect: 10 10 4
MsgBox WhoClosest(0, 0, 0, 2) & " " & TypeName(Game.WhoClosest(0, 0, 0, 2))
' expect: 2 Long
With ThisGuy
    .zPos = 7
    .posOutput = .posOutput & OutputLoc(.xPos, .yPos, .zPos, 1)
    MsgBox .zPos & " [" & .posOutput & "]"
End With
' expect: 7 [ pointkey { 1 ( 5 0 7 ) "?" }  ]
SeqRunning = 5
MsgBox SeqRunning
' expect: True
whatFrame = 2.5
MsgBox whatFrame & " " & TypeName(whatFrame)
' expect: 2 Long
Dim g
Set g = Game
MsgBox g.GetCX(1) & " " & (g Is Game)
' expect: 10 True
