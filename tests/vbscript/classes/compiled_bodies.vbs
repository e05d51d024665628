' Class procedures with loops, fields and calls of their own members (ByRef included) run as
' compiled code, as any procedure does.
Class Counter
    Private m_total
    Public Steps
    Private Sub Class_Initialize()
        m_total = 0
        Steps = 0
    End Sub
    Public Sub AddUpTo(n)
        Dim i
        For i = 1 To n
            m_total = m_total + i
            Steps = Steps + 1
        Next
    End Sub
    Public Property Get Total()
        Total = m_total
    End Property
    Public Property Let Total(v)
        m_total = v
    End Property
    Public Sub Reset()
        Total = 0
        Bump m_total
    End Sub
    Private Sub Bump(ByRef x)
        x = x + 100
    End Sub
    Public Sub Twice(ByRef x)
        x = x * 2
    End Sub
    Public Function Scaled(k)
        Scaled = Total * k
    End Function
End Class

Set c = New Counter
c.AddUpTo 10
MsgBox c.Total & " " & c.Steps          ' expect: 55 10
c.Reset
MsgBox c.Total                          ' expect: 100
v = 21
c.Twice v
MsgBox v                                ' expect: 42
c.Twice (v)
MsgBox v                                ' expect: 42
MsgBox c.Scaled(3)                      ' expect: 300
