' Script variables (names of the script level) read and written in loops and expressions:
' each read sees the variable as it is at that moment, whatever the name turns out to be.

' A variable made part-way through: the statement that first reads it finds nothing (Empty),
' later ones find the variable.
For i = 1 To 3
    If i = 2 Then late = 10
    seen = seen & "[" & late & "]"
Next
MsgBox seen                             ' expect: [][10][10]

' A function called without parentheses is called at every read; one to the right of a
' variable that it changes comes too late for that variable's value.
count = 0
Function Tick
    count = count + 100
    Tick = 1
End Function
MsgBox count + Tick & " " & count       ' expect: 1 100
MsgBox Tick + count & " " & count       ' expect: 201 200

' The same name read as a variable, then as a function once the variable's statement
' has run: names keep their meaning, an assignment to a function's name inside it is its
' result.
total = 0
For k = 1 To 4
    total = total + k * k
Next
MsgBox total                            ' expect: 30

' A procedure's undeclared name is its own variable unless the script has one of that name.
Sub Fill
    scratch = scratch & "x"
    shared = shared & "y"
End Sub
shared = "s"
Fill
Fill
MsgBox shared & " " & IsEmpty(scratch)  ' expect: syy True

' A script constant cannot be assigned, however the assignment is reached.
Const Limit = 5
Sub SetLimit
    Limit = Limit + 1
End Sub
On Error Resume Next
SetLimit
MsgBox Err.Number & " " & Limit         ' expect: 501 5
On Error GoTo 0

' A variable holding an array, then a number, then a text, through the same statements.
Function Grow(n)
    Dim result
    If n = 0 Then
        result = Array(1, 2)
    ElseIf n = 1 Then
        result = 7
    Else
        result = "seven"
    End If
    Grow = result
End Function
For n = 0 To 2
    kept = Grow(n)
    If IsArray(kept) Then
        shown = shown & "a" & UBound(kept)
    Else
        shown = shown & " " & kept
    End If
Next
MsgBox shown                            ' expect: a1 7 seven

' A loop counter that is a script variable, read and changed in the body.
For step = 1 To 10
    step = step + 2
    path = path & step
Next
MsgBox path & " " & step                ' expect: 36912 13

' A procedure reading and writing script variables, called many times: the variables it
' refers to stay the script's own.
level = 1
Sub Raise(by)
    level = level * by + bonus
End Sub
bonus = 1
For r = 1 To 5
    Raise 2
Next
MsgBox level                            ' expect: 63
