' Functions return what was assigned to their name; procedures exist before their text runs;
' the last definition of a name wins; Exit Function and Exit Sub leave from inside loops.
MsgBox Later(2)
' expect: 3
Function Later(n)
    Later = n + 1
End Function
Function Square(n)
    Square = n * n
End Function
MsgBox Square(7)
' expect: 49
Function Counter()
    Counter = 1
    Counter = Counter + 1
End Function
MsgBox Counter() & " " & Counter
' expect: 2 2
Function FirstEven(a)
    For Each v In a
        If v Mod 2 = 0 Then
            FirstEven = v
            Exit Function
        End If
    Next
    FirstEven = -1
End Function
MsgBox FirstEven(Array(1, 3, 4, 6)) & " " & FirstEven(Array(1))
' expect: 4 -1
Function Fib(n)
    If n < 2 Then
        Fib = n
    Else
        Fib = Fib(n - 1) + Fib(n - 2)
    End If
End Function
MsgBox Fib(15)
' expect: 610
Function Nothing1()
End Function
MsgBox TypeName(Nothing1())
' expect: Empty
Sub Dup
    MsgBox "first"
End Sub
Sub Dup
    MsgBox "second"
End Sub
Dup
' expect: second
Sub Early
    Do
        MsgBox "in loop"
        Exit Sub
    Loop
    MsgBox "never"
End Sub
Early
' expect: in loop
Sub NoParens(a, b)
    MsgBox a + b
End Sub
NoParens 1, 2
' expect: 3
Call NoParens(3, 4)
' expect: 7
Sub OneLine() x = 1 : MsgBox "one line body" End Sub
OneLine
' expect: one line body
