' The run-time errors around classes: New of a name that is no class, Set of something that
' is no object, members of Nothing, a procedure's arguments counted, an error inside a method
' reaching the caller's handler, and Is with values that are not objects.
' needs: show.vbs
Class Thing
    Public Value
    Function Fail()
        Fail = 1 / 0
        MsgBox "not reached"
    End Function
    Sub Two(a, b)
    End Sub
End Class
notAClass = 1
On Error Resume Next
Set t = New notAClass : Caught          ' expect: error 506
Set t = New NeverDeclared : Caught      ' expect: error 506
Set t = 5 : Caught                      ' expect: error 424
Set t = Nothing
t.Value = 1 : Caught                    ' expect: error 424
x = t.Value : Caught                    ' expect: error 424
Set t = New Thing
x = t.Fail() : Caught                   ' expect: error 11
t.Two 1 : Caught                        ' expect: error 450
t.Two 1, 2, 3 : Caught                  ' expect: error 450
x = (t Is 1) : Caught                   ' expect: error 424
x = Nothing : Caught                    ' expect: error 91
Show TypeName(t) & " " & (t Is t)       ' expect: String Thing True
