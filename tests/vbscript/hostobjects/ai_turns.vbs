' An AI script in the game's style: find the nearest enemy, step towards it, attack in range,
' and append key texts to the unit's position track. Main runs here for six turns.
Sub Main
    Dim target, stepX
    target = Game.WhoClosest(ThisGuy.xPos, ThisGuy.yPos, ThisGuy.zPos, 2)
    If target = 0 Then Exit Sub
    If Game.DistFromMe(xPos, yPos, zPos, target) <= Range Then
        If Game.Attack(target, Damage) Then posOutput = posOutput & "kill(" & target & ");"
    Else
        stepX = Game.WhereMyX(xPos, Game.GetCX(target), whatFrame, whatFrame + 10)
        xPos = xPos + stepX * 5
        ThisGuy.posOutput = ThisGuy.posOutput & Game.OutputLoc(xPos, yPos, zPos, whatFrame)
    End If
    whatFrame = whatFrame + 1
End Sub

SetNumContacts 3
SetContactPos 2, 2, 20, 0, 0, False, 100
SetContactPos 2, 3, 0, 0, 30, False, 100
Team = 1 : Range = 6 : Damage = 30
Dim turn
For turn = 1 To 6
    Main
Next
MsgBox "[" & posOutput & "]"
MsgBox "frame " & whatFrame
' expect: Avatars(2) took 30 points of damage.  His Health is now at:70.  Contact Health at: 100
' expect: Avatars(2) took 30 points of damage.  His Health is now at:40.  Contact Health at: 100
' expect: Avatars(2) took 30 points of damage.  His Health is now at:10.  Contact Health at: 100
' expect: Avatars(2) took 30 points of damage.  His Health is now at:0.  Contact Health at: 100
' expect: [ pointkey { 0 ( 10 0 0 ) "?" }   pointkey { 1 ( 15 0 0 ) "?" }  kill(2);]
' expect: frame 6
