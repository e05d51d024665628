' A callee or array in parentheses can still be called or indexed; the parentheses round a
' name only group it, so Call (((f))) (x) still passes x by reference, while ((x)) is a copy.
Sub SetFirst(arr)
    arr(0) = "set"
End Sub
Function Twice(n)
    Twice = n * 2
End Function
x = Array(10, 20, 30)
y = ((x))(1) : MsgBox y                  ' expect: 20
y = (Split("a;b", ";"))(1) : MsgBox y    ' expect: b
y = (Twice)(4) : MsgBox y                ' expect: 8
Call (((SetFirst))) (x)
MsgBox x(0)                              ' expect: set
x(0) = 1
Call (((SetFirst))) ((x))
MsgBox x(0)                              ' expect: 1
Call (Twice)(3)
MsgBox "called"                          ' expect: called
' In a call statement a blank before the parentheses makes them the start of the first
' argument, which goes on after them; without the blank they call what the name gives.
MsgBox (Twice)(5)                        ' expect: 10
MsgBox (GetRef("Twice"))(6)              ' expect: 12
MsgBox (Array(1, 2))(1)                  ' expect: 2
MsgBox (1) + (2)                         ' expect: 3
