' ByRef aliasing across calls: a global handed on from inside a procedure, a parameter passed
' on to another procedure and the same variable passed twice all reach the caller's variable;
' a function's result passed ByRef is only a copy, so changing it leaves nothing behind.
Sub SetTwo(target)
    target = 2
End Sub
Sub PassGlobalOn
    SetTwo sharedValue
End Sub
sharedValue = 1
PassGlobalOn
MsgBox sharedValue                      ' expect: 2

Sub AddBang(inner)
    inner = inner & "!"
End Sub
Sub PassParameterOn(outer)
    AddBang outer
End Sub
greeting = "hi"
PassParameterOn greeting
MsgBox greeting                         ' expect: hi!

Function One()
    One = 1
End Function
Sub IncrementAndShow(number)
    number = number + 1
    MsgBox number
End Sub
IncrementAndShow One()                  ' expect: 2
MsgBox One()                            ' expect: 1

Sub IncrementBoth(first, second)
    first = first + 1
    second = second + 1
End Sub
twice = 1
IncrementBoth twice, twice
MsgBox twice                            ' expect: 3
