' ExecuteGlobal always runs at script level: its Dim, Function and assignments make and change
' script variables even when it is called from a procedure.
Sub MakeGlobals()
    Dim local
    local = "mine"
    ExecuteGlobal "Dim shared : shared = 10"
    ExecuteGlobal "Function Twice(n) : Twice = n * 2 : End Function"
    ExecuteGlobal "local = ""global"""
    MsgBox local                          ' expect: mine
End Sub
MakeGlobals
MsgBox shared & " " & Twice(4)            ' expect: 10 8
MsgBox local                              ' expect: global
ExecuteGlobal "Const Limit = 3"
MsgBox Limit                              ' expect: 3
On Error Resume Next
ExecuteGlobal "Const Limit = 4"
MsgBox Err.Number                         ' expect: 1041
Err.Clear
ExecuteGlobal "Dim Limit : Limit = 5"
MsgBox Err.Number & " " & Limit           ' expect: 0 5
