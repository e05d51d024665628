' Class_Initialize runs on New; Class_Terminate runs when the last reference goes: at
' Set x = Nothing, when a variable is given another value, when a procedure's local goes,
' and for instances held only in an array when the array goes. Called by name it is an
' ordinary procedure, and runs again when the instance goes.
Class Tracked
    Public Tag
    Private Sub Class_Initialize()
        MsgBox "made"
    End Sub
    Public Sub Class_Terminate()
        MsgBox "gone " & Tag
    End Sub
End Class

Set a = New Tracked                    ' expect: made
a.Tag = "a"
Set b = a
Set a = Nothing
MsgBox "b holds it"                    ' expect: b holds it
Set b = Nothing                        ' expect: gone a
Set c = New Tracked                    ' expect: made
c.Tag = "c"
c = 5                                  ' expect: gone c
Sub UseOne()
    Dim local
    Set local = New Tracked            ' expect: made
    local.Tag = "local"
End Sub
UseOne                                 ' expect: gone local
MsgBox "after the call"                ' expect: after the call
Dim list(1)
Set list(0) = New Tracked              ' expect: made
list(0).Tag = "element"
Erase list                             ' expect: gone element
Set t = New Tracked                    ' expect: made
t.Tag = "explicit"
t.Class_Terminate                      ' expect: gone explicit
Set t = Nothing                        ' expect: gone explicit
MsgBox "end"                           ' expect: end
' What the script's variables still hold when it ends goes then, in the order the variables
' were made (the order is not established for the Windows engine; this one is the plain one).
Set lastA = New Tracked                ' expect: made
lastA.Tag = "kept to the end"
Set lastB = New Tracked                ' expect: made
lastB.Tag = "kept too"
                                       ' expect: gone kept to the end
                                       ' expect: gone kept too
