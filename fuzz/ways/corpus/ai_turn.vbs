Sub Main
    Dim target
    target = Game.WhoClosest(ThisGuy.xPos, ThisGuy.yPos, ThisGuy.zPos, 2)
    If target = 0 Then Exit Sub
    If Game.DistFromMe(xPos, yPos, zPos, target) <= Range Then
        If Attack(target, Damage) Then posOutput = posOutput & "kill;"
    Else
        xPos = xPos + WhereMyX(xPos, GetCX(target), whatFrame, whatFrame + 10)
        posOutput = posOutput & OutputLoc(xPos, yPos, zPos, whatFrame)
    End If
    whatFrame = whatFrame + 1
End Sub
SetContactPos 2, 2, 10, 0, 0, False, 100
