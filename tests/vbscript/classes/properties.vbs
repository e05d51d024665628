' Property Get reads, Let assigns a value, Set assigns an object; extra leading arguments
' index the property; Exit Property leaves it early.
Class Store
    Private m_items
    Private m_owner
    Private Sub Class_Initialize()
        Set m_items = Nothing
        m_items = Array("a", "b", "c")
    End Sub
    Property Get Item(i)
        If i < 0 Then Exit Property
        Item = m_items(i)
    End Property
    Property Let Item(i, value)
        m_items(i) = value
    End Property
    Property Get Owner()
        Set Owner = m_owner
    End Property
    Property Set Owner(person)
        Set m_owner = person
    End Property
    Property Get Size()
        Size = UBound(m_items) + 1
    End Property
End Class
Class Person
    Public Name
End Class

Set st = New Store
MsgBox st.Item(1)                      ' expect: b
st.Item(1) = "B"
MsgBox st.Item(1)                      ' expect: B
MsgBox IsEmpty(st.Item(-1))            ' expect: True
Set p = New Person
p.Name = "Grace"
Set st.Owner = p
MsgBox st.Owner.Name                   ' expect: Grace
MsgBox st.Owner Is p                   ' expect: True
MsgBox st.Size                         ' expect: 3
On Error Resume Next
st.Size = 4
MsgBox Err.Number                      ' expect: 438
Err.Clear
Set st.Item(0) = p
MsgBox Err.Number                      ' expect: 438
