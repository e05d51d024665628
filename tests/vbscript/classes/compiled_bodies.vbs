' Class procedures with loops, fields and calls of their own members, run as any procedure is.
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

Class Noisy
    Public Tag
    Private Sub Class_Terminate()
        MsgBox "gone " & Tag
    End Sub
End Class

Function MakeAndDrop(tag)
    Dim local
    Set local = New Noisy
    local.Tag = tag
    MakeAndDrop = Len(tag)
End Function

x = MakeAndDrop("first") & MakeAndDrop("second") ' expect: gone first
                                        ' expect: gone second
MsgBox x                                ' expect: 56
Set n = New Noisy
n.Tag = "n"
n = 7                                   ' expect: gone n
MsgBox n                                ' expect: 7
Sub Fails()
    Dim local
    Set local = New Noisy
    local.Tag = "failing"
    Err.Raise 5
End Sub
On Error Resume Next
Fails                                   ' expect: gone failing
MsgBox Err.Number                       ' expect: 5
On Error GoTo 0
Sub Loops()
    Dim i, held
    For i = 1 To 3
        Set held = New Noisy
        held.Tag = i
    Next
    MsgBox "loop done"
End Sub
Loops                                   ' expect: gone 1
                                        ' expect: gone 2
                                        ' expect: loop done
                                        ' expect: gone 3
MsgBox "end"                            ' expect: end
