' GetRef gives an object that calls a procedure of the script when it is called or read.
Sub Greet(who)
    MsgBox "hello " & who
End Sub
Function Add(a, b)
    Add = a + b
End Function
Function Answer()
    Answer = 42
End Function
Set greeter = GetRef("Greet")
greeter "ref"                             ' expect: hello ref
Call greeter("call")                      ' expect: hello call
Set adder = GetRef("ADD")
MsgBox adder(2, 3)                        ' expect: 5
Set answerer = GetRef("Answer")
value = answerer
MsgBox value                              ' expect: 42
MsgBox IsObject(adder)                    ' expect: True
