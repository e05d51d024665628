' A class's variables and procedures: Public ones are reached from outside, Private ones only
' from the class's own procedures (438 otherwise); Dim in a class is Public.
Class Soldier
    Public Name
    Private m_life
    Dim Kills
    Public Ranks(2)
    Sub Hit(damage)
        m_life = m_life - damage
        If m_life <= 0 Then Shout "fallen"
    End Sub
    Function Life()
        Life = m_life
    End Function
    Sub Heal()
        m_life = 10
    End Sub
    Private Sub Shout(text)
        MsgBox Name & " " & text
    End Sub
End Class

Dim s
Set s = New Soldier
s.Name = "Ada"
s.Heal
MsgBox s.Life()                       ' expect: 10
s.Hit 4
MsgBox s.Life                         ' expect: 6
s.Hit 6                               ' expect: Ada fallen
s.Kills = 3 : MsgBox s.Kills          ' expect: 3
s.Ranks(1) = "corporal"
MsgBox s.Ranks(1) & UBound(s.Ranks)   ' expect: corporal2
MsgBox IsEmpty(s.Ranks(0))            ' expect: True
On Error Resume Next
s.Shout "hidden"
MsgBox Err.Number                     ' expect: 438
Err.Clear
x = s.m_life
MsgBox Err.Number                     ' expect: 438
Err.Clear
s.NoSuchMember = 1
MsgBox Err.Number                     ' expect: 438
Err.Clear
s.Hit
MsgBox Err.Number                     ' expect: 450
Err.Clear
x = s.Name(0)
MsgBox Err.Number                     ' expect: 438
