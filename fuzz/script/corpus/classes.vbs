Class Unit
    Public Name, Kills(2)
    Private m_life
    Private Sub Class_Initialize() : m_life = 10 : End Sub
    Private Sub Class_Terminate() : MsgBox "gone " & Name : End Sub
    Public Default Property Get Life() : Life = m_life : End Property
    Property Let Life(v) : m_life = v : End Property
    Property Set Friend(o) : Set m_friend = o : End Property
    Function Hit(d)
        Me.Life = Me.Life - d
        Set Hit = Me
    End Function
    Sub Swap(ByRef a, ByVal b) : a = b : End Sub
End Class
Set u = New Unit
u.Name = "a"
MsgBox u.Hit(3).Hit(2) & " " & u & TypeName(u)
Set v = u : Set u = Nothing : Set v = Nothing
Dim list(1)
Set list(0) = New Unit
With list(0) : .Kills(1) = 2 : .Life = 7 : End With
For Each x In list : MsgBox TypeName(x) : Next
MsgBox list(0) Is list(1)
