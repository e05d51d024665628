' The value of an operand is the one it had when the script reached it: a call further right
' that changes the variable (ByRef) comes too late for the operand to its left, and arguments
' are bound one by one, left to right, a ByRef variable as the variable itself.
Function Bump(ByRef n)
    n = n + 10
    Bump = 1
End Function

Function LocalOrder()
    Dim a
    a = 1
    LocalOrder = a + Bump(a) & " " & a
End Function
MsgBox LocalOrder()                     ' expect: 2 11

g = 1
MsgBox g + Bump(g) & " " & g            ' expect: 2 11

Function Pair(ByRef first, second)
    Pair = first & "/" & second
End Function
Function LocalPair()
    Dim v
    v = 5
    LocalPair = Pair(v, Bump(v)) & " " & v
End Function
MsgBox LocalPair()                      ' expect: 15/1 15

' A ByVal argument, a parenthesized one and an expression are copies.
Sub Twice(ByVal n, ByRef m, o)
    n = n * 2 : m = m * 2 : o = o * 2
End Sub
x = 3 : y = 3 : z = 3
Twice x, (y), z + 0
MsgBox x & " " & y & " " & z            ' expect: 3 3 3
Twice x, y, z
MsgBox x & " " & y & " " & z            ' expect: 3 6 6

' An array element passed ByRef is the element itself; one read as a value is a copy.
Dim cells(2)
cells(1) = 4
Twice cells(1), cells(1), cells(1)
MsgBox cells(1)                         ' expect: 16

' Exit Do passes a While...Wend by; Exit For from a Select Case inside the loop.
n = 0
Do
    While True
        n = n + 1
        If n = 3 Then Exit Do
    Wend
Loop
MsgBox n                                ' expect: 3
For k = 1 To 10
    Select Case k
        Case 4 : Exit For
    End Select
Next
MsgBox k                                ' expect: 4

' The bounds are numbers taken once; the counter may be changed in the body.
hits = 0
For k = "1" To "3"
    hits = hits + 1
    If k = 2 Then k = 10
Next
MsgBox hits & " " & k & " " & TypeName(k) ' expect: 2 11 Integer
For k = 3 To 1 Step -1 : Next
MsgBox k                                ' expect: 0

' A name made a variable by its first use in a procedure, then read and written by the loop.
Function Undeclared()
    For step3 = 1 To 3
        total = total + step3
    Next
    Undeclared = total
End Function
MsgBox Undeclared()                     ' expect: 6

' An error in an argument is placed at the statement that makes the call.
Function Half(v)
    Half = v / 2
End Function
MsgBox "before"                         ' expect: before
r = Half(1) + Half(1 / 0)               ' expect error: Division by zero (column 1)
MsgBox "never"
