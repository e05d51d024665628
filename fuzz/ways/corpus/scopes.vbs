' Local names: Dim anywhere in a body makes the name local for the whole body; parameters and
' locals hide globals; an undeclared name in a procedure is that procedure's own variable.
g = "global"
Sub ShowLocal
    Dim g
    g = "local"
    MsgBox g
End Sub
ShowLocal : MsgBox g
' expect: local
' expect: global
h = "outer"
Sub LateDim
    h = "inner"
    Dim h
End Sub
LateDim : MsgBox h
' expect: outer
Sub Implicit
    undeclared1 = 5
End Sub
Implicit : MsgBox "[" & undeclared1 & "]"
' expect: []
Sub UsesGlobal
    g = "changed by sub"
End Sub
UsesGlobal : MsgBox g
' expect: changed by sub
Sub Shadow(g)
    g = "param"
End Sub
Shadow "literal" : MsgBox g
' expect: changed by sub
Const Limit = 10
Sub ShadowConst
    Dim Limit
    Limit = 3
    MsgBox Limit
End Sub
ShadowConst : MsgBox Limit
' expect: 3
' expect: 10
Function CountCalls()
    Static1 = Static1 + 1
    CountCalls = Static1
End Function
MsgBox CountCalls() & CountCalls()
' expect: 11
MsgBox UseBeforeDim
' expect: hoisted
Const Hoisted = "hoisted"
Function UseBeforeDim()
    UseBeforeDim = Hoisted
End Function
