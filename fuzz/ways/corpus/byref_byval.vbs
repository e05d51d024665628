' ByRef is the default: a plain variable or an array element is the callee's own; a literal,
' an expression, a constant or an argument in parentheses gives the callee a copy.
Sub Change(a)
    a = a + 1
End Sub
Sub ChangeVal(ByVal a)
    a = a + 1
End Sub
x = 1 : Change x : MsgBox x
' expect: 2
Change (x) : MsgBox x
' expect: 2
Call Change(x) : MsgBox x
' expect: 3
Call Change((x)) : MsgBox x
' expect: 3
ChangeVal x : MsgBox x
' expect: 3
Change x + 0 : MsgBox x
' expect: 3
Const C = 5
Change C : MsgBox C
' expect: 5
Dim arr(2)
arr(1) = 10 : Change arr(1) : MsgBox arr(1)
' expect: 11
Change (arr(1)) : MsgBox arr(1)
' expect: 11
Sub SetFirst(a)
    a(0) = "changed"
End Sub
Sub SetFirstVal(ByVal a)
    a(0) = "changed"
End Sub
Dim b(1)
SetFirstVal b : MsgBox "[" & b(0) & "]"
' expect: []
SetFirst b : MsgBox b(0)
' expect: changed
Sub Both(a, b)
    a = a * 2
    b = b * 2
End Sub
p = 1 : q = 1 : Both (p), q : MsgBox p & " " & q
' expect: 1 2
Function F(a)
    a = 100
    F = a + 1
End Function
r = 1 : y = F(r) : MsgBox r & " " & y
' expect: 100 101
r = 1 : y = F((r)) : MsgBox r & " " & y
' expect: 1 101
Sub Twice(a, b)
    a = 5
    MsgBox b
End Sub
z = 1 : Twice z, z
' expect: 5
Sub Grow(a)
    ReDim Preserve a(5)
End Sub
Dim dyn()
ReDim dyn(1) : dyn(1) = "kept" : Grow dyn : MsgBox UBound(dyn) & " " & dyn(1)
' expect: 5 kept
Sub EraseVal(ByVal a)
    Erase a
End Sub
EraseVal dyn : MsgBox UBound(dyn)
' expect: 5
Sub EraseRef(a)
    Erase a
End Sub
EraseRef dyn
On Error Resume Next
MsgBox UBound(dyn)
MsgBox "erased: " & Err.Number
' expect: erased: 9
