' Archer: shoots the nearest living enemy from a distance and keeps that distance.
'
' Each frame it faces the nearest enemy. While the enemy is beyond its Range it walks
' closer, at most MaxSpeed per frame. Within Range it shoots for its Damage every
' ReloadFrames frames, playing its attack sequence (AttackAnim). When an enemy comes nearer
' than a third of its Range it steps back, away from that enemy, instead of shooting.
'
' State kept in the unit between frames: whatFrame (its own frame count) and, in private
' slot 1, the frame of its next shot (GetMiscData/SetMiscData hold texts, so the number is
' stored with CStr and read back with CLng; an empty slot means "ready").

Const ReloadFrames = 15

Sub Main
  Dim enemy, target, dist
  ThisGuy.whatFrame = ThisGuy.whatFrame + 1
  If ThisGuy.Maxlife <= 0 Then Exit Sub
  enemy = 3 - ThisGuy.Team
  target = Game.WhoClosest(ThisGuy.xPos, ThisGuy.yPos, ThisGuy.zPos, enemy)
  If target = 0 Then Exit Sub
  dist = Game.DistFromMe(ThisGuy.xPos, ThisGuy.yPos, ThisGuy.zPos, target)
  ThisGuy.FaceOutput = ThisGuy.FaceOutput & Game.FaceContact(target, ThisGuy.whatFrame)
  If dist < ThisGuy.Range / 3 Then
    MoveAlong target, dist, -ThisGuy.MaxSpeed
  ElseIf dist > ThisGuy.Range Then
    MoveAlong target, dist, Min(ThisGuy.MaxSpeed, dist - ThisGuy.Range)
  Else
    Shoot target
  End If
End Sub

' Moves stride towards contact target (away from it when stride is negative).
Sub MoveAlong(target, dist, stride)
  If dist = 0 Then Exit Sub
  ThisGuy.xPos = ThisGuy.xPos + (Game.GetCX(target) - ThisGuy.xPos) * stride / dist
  ThisGuy.zPos = ThisGuy.zPos + (Game.getCZ(target) - ThisGuy.zPos) * stride / dist
  ThisGuy.posOutput = ThisGuy.posOutput & Game.OutputLoc(ThisGuy.xPos, ThisGuy.yPos, ThisGuy.zPos, ThisGuy.whatFrame)
End Sub

Sub Shoot(target)
  Dim nextShot
  nextShot = ThisGuy.GetMiscData(1)
  If nextShot <> "" Then
    If ThisGuy.whatFrame < CLng(nextShot) Then Exit Sub
  End If
  Game.Attack target, ThisGuy.Damage
  ThisGuy.seqOutput = ThisGuy.seqOutput & Game.DoSomething(ThisGuy.AttackAnim, ThisGuy.whatFrame)
  ThisGuy.SetMiscData 1, CStr(ThisGuy.whatFrame + ReloadFrames)
End Sub

Function Min(a, b)
  If a < b Then Min = a Else Min = b
End Function
