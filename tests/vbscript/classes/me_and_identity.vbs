' Me is the instance a procedure runs for: its members through Me, Me passed on, Me compared
' with Is; instances are objects for TypeName, VarType, IsObject and Is.
Class Node
    Public Value
    Public NextNode
    Private m_secret
    Function SetValue(v)
        Me.Value = v
        Me.m_secret = v * 2
        Set SetValue = Me
    End Function
    Function Secret()
        Secret = m_secret
    End Function
    Function IsSelf(other)
        IsSelf = other Is Me
    End Function
End Class

Set a = New Node
Set b = a.SetValue(5)
MsgBox b.Value & " " & b.Secret()      ' expect: 5 10
MsgBox a Is b                           ' expect: True
MsgBox a.IsSelf(b) & " " & a.IsSelf(New Node)   ' expect: True False
MsgBox TypeName(a) & " " & VarType(a)   ' expect: Node 9
MsgBox IsObject(a) & " " & IsEmpty(a.NextNode)   ' expect: True True
Set a.NextNode = New Node
a.NextNode.Value = "second"
MsgBox a.NextNode.Value                 ' expect: second
MsgBox TypeName(a.NextNode.NextNode)    ' expect: Empty
Set a = Nothing
MsgBox TypeName(a) & " " & (a Is Nothing)   ' expect: Nothing True
On Error Resume Next
MsgBox b Is 5
MsgBox Err.Number                       ' expect: 424
