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
MsgBox posOutput
MsgBox "frame " & whatFrame
' expect: unit 2 took 30, life 70
' expect: unit 2 took 30, life 40
' expect: unit 2 took 30, life 10
' expect: unit 2 took 30, life 0
' expect: pos(10,0,0)@0;pos(15,0,0)@1;kill(2);
' expect: frame 6
