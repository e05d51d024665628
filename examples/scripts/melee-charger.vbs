' Melee charger: runs at the nearest living enemy and strikes it once it is within reach.
'
' Each frame it turns to face the nearest enemy. Out of reach, it moves straight at the
' enemy, at most MaxSpeed per frame and never closer than its Range. Within reach, it
' attacks for its Damage and plays its attack sequence (AttackAnim), then waits 10 frames
' for the swing to finish before it strikes again. A unit whose life is gone stays where
' it fell.
'
' State kept in the unit between frames: whatFrame (its own frame count) and SeqDoneWhen
' (the frame its current swing ends).

Const SwingFrames = 10

Sub Main
  Dim enemy, target, dist
  ThisGuy.whatFrame = ThisGuy.whatFrame + 1
  If ThisGuy.Maxlife <= 0 Then Exit Sub
  enemy = 3 - ThisGuy.Team
  target = Game.WhoClosest(ThisGuy.xPos, ThisGuy.yPos, ThisGuy.zPos, enemy)
  If target = 0 Then Exit Sub
  dist = Game.DistFromMe(ThisGuy.xPos, ThisGuy.yPos, ThisGuy.zPos, target)
  ThisGuy.FaceOutput = ThisGuy.FaceOutput & Game.FaceContact(target, ThisGuy.whatFrame)
  If dist > ThisGuy.Range Then
    Advance target, dist
  Else
    Strike target
  End If
End Sub

' Moves towards contact target, which is dist away, and records the new position.
Sub Advance(target, dist)
  Dim stride
  stride = ThisGuy.MaxSpeed
  If stride > dist - ThisGuy.Range Then stride = dist - ThisGuy.Range
  ThisGuy.xPos = ThisGuy.xPos + (Game.GetCX(target) - ThisGuy.xPos) * stride / dist
  ThisGuy.zPos = ThisGuy.zPos + (Game.getCZ(target) - ThisGuy.zPos) * stride / dist
  ThisGuy.posOutput = ThisGuy.posOutput & Game.OutputLoc(ThisGuy.xPos, ThisGuy.yPos, ThisGuy.zPos, ThisGuy.whatFrame)
End Sub

' Hits contact target unless the last swing is still playing.
Sub Strike(target)
  If ThisGuy.whatFrame < ThisGuy.SeqDoneWhen Then Exit Sub
  Game.Attack target, ThisGuy.Damage
  ThisGuy.seqOutput = ThisGuy.seqOutput & Game.DoSomething(ThisGuy.AttackAnim, ThisGuy.whatFrame)
  ThisGuy.SeqDoneWhen = ThisGuy.whatFrame + SwingFrames
End Sub
