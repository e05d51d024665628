' Sentry, written with a class: guards the spot where it was deployed, fights any enemy that
' comes near that spot, and walks back to it when no enemy is near any more.
'
' A Soldier object wraps the unit whose turn it is (ThisGuy): where it stands, where its post
' is, how far a contact is, and facing, walking and striking, each recorded in the scene. Main
' makes one Soldier per turn and decides with it. Each frame the sentry finds the nearest
' living enemy. While that enemy is within AlertRange of the post, the sentry faces it, walks
' at it (at most MaxSpeed per frame, never closer than its Range) and, within Range, strikes it
' for its Damage every SwingFrames frames, playing its attack sequence (AttackAnim). Otherwise
' it walks back to its post, facing the way it goes. A unit whose life is gone stays where it
' fell.
'
' State kept in the unit between frames, since the Soldier object lasts one turn only:
' whatFrame (its own frame count), SeqDoneWhen (the frame its current swing ends) and, in
' private slots 1 and 2, the X and Z of its post, noted on its first frame (texts, written with
' CStr and read back with CDbl).

Const AlertRange = 60
Const SwingFrames = 10
' Closer than this counts as there: a post read back from its text, or a step that ends on
' Range, can be off by a rounding error.
Const Near = 0.001

Class Soldier
  Private m_unit                  ' the unit whose turn it is
  Private m_postX, m_postZ        ' where it stood on its first frame

  Private Sub Class_Initialize()
    Set m_unit = ThisGuy
  End Sub

  ' Counts this turn's frame and reads the post, noting it on the first frame.
  Public Sub BeginFrame()
    m_unit.whatFrame = m_unit.whatFrame + 1
    If m_unit.whatFrame = 1 Then
      m_unit.SetMiscData 1, CStr(m_unit.xPos)
      m_unit.SetMiscData 2, CStr(m_unit.zPos)
    End If
    m_postX = CDbl(m_unit.GetMiscData(1))
    m_postZ = CDbl(m_unit.GetMiscData(2))
  End Sub

  Public Property Get Alive()
    Alive = m_unit.Maxlife > 0
  End Property

  ' The number of the nearest living enemy; 0 when none is left.
  Public Function NearestEnemy()
    NearestEnemy = Game.WhoClosest(m_unit.xPos, m_unit.yPos, m_unit.zPos, 3 - m_unit.Team)
  End Function

  Public Function DistanceTo(contact)
    DistanceTo = Game.DistFromMe(m_unit.xPos, m_unit.yPos, m_unit.zPos, contact)
  End Function

  Public Function DistanceFromPost(contact)
    DistanceFromPost = Game.DistFromMe(m_postX, m_unit.yPos, m_postZ, contact)
  End Function

  ' Walks at contact until it is within Range, then strikes it.
  Public Sub Engage(contact)
    Dim dist
    dist = DistanceTo(contact)
    m_unit.FaceOutput = m_unit.FaceOutput & Game.FaceContact(contact, m_unit.whatFrame)
    If dist > m_unit.Range + Near Then
      WalkTowards Game.GetCX(contact), Game.getCZ(contact), Min(m_unit.MaxSpeed, dist - m_unit.Range)
    Else
      Strike contact
    End If
  End Sub

  Public Sub ReturnToPost()
    If Abs(m_unit.xPos - m_postX) + Abs(m_unit.zPos - m_postZ) < Near Then Exit Sub
    m_unit.FaceOutput = m_unit.FaceOutput & Game.FacePos(m_postX, m_unit.yPos, m_postZ, m_unit.whatFrame)
    WalkTowards m_postX, m_postZ, m_unit.MaxSpeed
  End Sub

  ' Hits contact unless the last swing is still playing.
  Private Sub Strike(contact)
    If m_unit.whatFrame < m_unit.SeqDoneWhen Then Exit Sub
    Game.Attack contact, m_unit.Damage
    m_unit.seqOutput = m_unit.seqOutput & Game.DoSomething(m_unit.AttackAnim, m_unit.whatFrame)
    m_unit.SeqDoneWhen = m_unit.whatFrame + SwingFrames
  End Sub

  ' Moves at most stride towards (x, z) on the ground and records the new position.
  Private Sub WalkTowards(x, z, stride)
    Dim dist
    dist = Sqr((x - m_unit.xPos) ^ 2 + (z - m_unit.zPos) ^ 2)
    If dist < Near Then Exit Sub
    If stride >= dist Then
      m_unit.xPos = x
      m_unit.zPos = z
    Else
      m_unit.xPos = m_unit.xPos + (x - m_unit.xPos) * stride / dist
      m_unit.zPos = m_unit.zPos + (z - m_unit.zPos) * stride / dist
    End If
    m_unit.posOutput = m_unit.posOutput & Game.OutputLoc(m_unit.xPos, m_unit.yPos, m_unit.zPos, m_unit.whatFrame)
  End Sub
End Class

Sub Main
  Dim sentry, enemy
  Set sentry = New Soldier
  sentry.BeginFrame
  If Not sentry.Alive Then Exit Sub
  enemy = sentry.NearestEnemy
  If enemy <> 0 Then
    If sentry.DistanceFromPost(enemy) <= AlertRange Then
      sentry.Engage enemy
      Exit Sub
    End If
  End If
  sentry.ReturnToPost
End Sub

Function Min(a, b)
  If a < b Then Min = a Else Min = b
End Function
