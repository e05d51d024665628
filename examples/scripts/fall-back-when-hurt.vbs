' Falls back when hurt: fights like a melee charger until its life drops below 40% of what
' it started with, then turns and walks back to where it was deployed, and stays there.
'
' On its first frame it notes its starting life and position in its private slots 1 to 3
' (texts, written with CStr and read back with CDbl). Each later frame it compares its
' remaining life (Maxlife, which other units' Attack lowers) with the starting life.
' Charging, it moves at most MaxSpeed per frame towards the nearest living enemy and strikes
' it within Range every 10 frames; falling back, it moves at MaxSpeed towards its starting
' point and faces the way it is going.

Const HurtShare = 0.4
Const SwingFrames = 10

Sub Main
  Dim enemy, target, dist
  ThisGuy.whatFrame = ThisGuy.whatFrame + 1
  If ThisGuy.whatFrame = 1 Then
    ThisGuy.SetMiscData 1, CStr(ThisGuy.Maxlife)
    ThisGuy.SetMiscData 2, CStr(ThisGuy.xPos)
    ThisGuy.SetMiscData 3, CStr(ThisGuy.zPos)
  End If
  If ThisGuy.Maxlife <= 0 Then Exit Sub
  If ThisGuy.Maxlife < HurtShare * CDbl(ThisGuy.GetMiscData(1)) Then
    FallBack
    Exit Sub
  End If
  enemy = 3 - ThisGuy.Team
  target = Game.WhoClosest(ThisGuy.xPos, ThisGuy.yPos, ThisGuy.zPos, enemy)
  If target = 0 Then Exit Sub
  dist = Game.DistFromMe(ThisGuy.xPos, ThisGuy.yPos, ThisGuy.zPos, target)
  ThisGuy.FaceOutput = ThisGuy.FaceOutput & Game.FaceContact(target, ThisGuy.whatFrame)
  If dist > ThisGuy.Range Then
    MoveTowards Game.GetCX(target), Game.getCZ(target), Min(ThisGuy.MaxSpeed, dist - ThisGuy.Range)
  ElseIf ThisGuy.whatFrame >= ThisGuy.SeqDoneWhen Then
    Game.Attack target, ThisGuy.Damage
    ThisGuy.seqOutput = ThisGuy.seqOutput & Game.DoSomething(ThisGuy.AttackAnim, ThisGuy.whatFrame)
    ThisGuy.SeqDoneWhen = ThisGuy.whatFrame + SwingFrames
  End If
End Sub

' Walks back towards the starting point, facing it, until it is there.
Sub FallBack
  Dim homeX, homeZ
  homeX = CDbl(ThisGuy.GetMiscData(2))
  homeZ = CDbl(ThisGuy.GetMiscData(3))
  If ThisGuy.xPos = homeX And ThisGuy.zPos = homeZ Then Exit Sub
  ThisGuy.FaceOutput = ThisGuy.FaceOutput & Game.FacePos(homeX, ThisGuy.yPos, homeZ, ThisGuy.whatFrame)
  MoveTowards homeX, homeZ, ThisGuy.MaxSpeed
End Sub

' Moves at most stride towards (x, z) on the ground and records the new position.
Sub MoveTowards(x, z, stride)
  Dim dist
  dist = Sqr((x - ThisGuy.xPos) ^ 2 + (z - ThisGuy.zPos) ^ 2)
  If dist = 0 Then Exit Sub
  If stride >= dist Then
    ThisGuy.xPos = x
    ThisGuy.zPos = z
  Else
    ThisGuy.xPos = ThisGuy.xPos + (x - ThisGuy.xPos) * stride / dist
    ThisGuy.zPos = ThisGuy.zPos + (z - ThisGuy.zPos) * stride / dist
  End If
  ThisGuy.posOutput = ThisGuy.posOutput & Game.OutputLoc(ThisGuy.xPos, ThisGuy.yPos, ThisGuy.zPos, ThisGuy.whatFrame)
End Sub

Function Min(a, b)
  If a < b Then Min = a Else Min = b
End Function
