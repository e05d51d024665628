' A Public Default member answers when the instance itself is read, called or indexed; an
' instance without one cannot be read as a value (438).
Class Roster
    Private m_names
    Private Sub Class_Initialize()
        m_names = Array("Ada", "Grace", "Alan")
    End Sub
    Public Default Property Get Name(i)
        Name = m_names(i)
    End Property
End Class
Class Greeter
    Public Default Sub Greet(who)
        MsgBox "hello " & who
    End Sub
End Class
Class Plain
    Public Value
End Class
Class Total
    Public Default Function Sum()
        Sum = 42
    End Function
End Class

Set r = New Roster
MsgBox r(1)                            ' expect: Grace
MsgBox r.Name(2)                       ' expect: Alan
Set g = New Greeter
g "world"                              ' expect: hello world
Set t = New Total
MsgBox t + 1                           ' expect: 43
x = t
MsgBox x                               ' expect: 42
On Error Resume Next
Set p = New Plain
y = p
MsgBox Err.Number                      ' expect: 438
Err.Clear
MsgBox "" & p
MsgBox Err.Number                      ' expect: 438
