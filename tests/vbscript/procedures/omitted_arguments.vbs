' An argument left out between commas is passed as a missing value: a script procedure sees an
' Error in that parameter, a built-in takes its default for it.
Sub Three(a, b, c)
    MsgBox TypeName(a) & " " & TypeName(b) & " " & TypeName(c)
End Sub
Function First(a, b)
    First = a
End Function
MsgBox "shown", , "Title"                ' expect: shown
Three 1, , 3                             ' expect: Integer Error Integer
Three 1, 2,                              ' expect: Integer Integer Error
Call Three(, "x", 1)                     ' expect: Error String Integer
MsgBox First(5, )                        ' expect: 5
MsgBox InStr(1, "abc", "c", )            ' expect: 3
MsgBox Mid("abcdef", 2, )                ' expect: bcdef
MsgBox Replace("a-b-c", "-", "+", , 1)   ' expect: a+b-c
MsgBox Join(Split("a b c", , 2), "|")    ' expect: a|b c
MsgBox Round(2.5, )                      ' expect: 2
Sub Count(a, b)
    MsgBox "counted"
End Sub
On Error Resume Next
Count 1, , 3
MsgBox Err.Number                        ' expect: 450
