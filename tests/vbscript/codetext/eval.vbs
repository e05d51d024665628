' Eval works out one expression where it stands; = compares. A value that is no text is
' returned as it is.
x = 4
MsgBox Eval("x * 3")                      ' expect: 12
MsgBox Eval("x = 4")                      ' expect: True
MsgBox x                                  ' expect: 4
Function Inside(a)
    Dim b
    b = 2
    Inside = Eval("a + b")
End Function
MsgBox Inside(5)                          ' expect: 7
MsgBox TypeName(Eval(42)) & " " & Eval(42)   ' expect: Integer 42
MsgBox IsNull(Eval(Null))                 ' expect: True
MsgBox Eval("UCase(""abc"") & Len(""xy"")")  ' expect: ABC2
