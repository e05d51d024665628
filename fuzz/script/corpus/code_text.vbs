x = 1
Execute "x = x + 1 : Dim y : y = x"
ExecuteGlobal "Function G(n) : G = n * 2 : End Function"
MsgBox Eval("G(x) = 4") & Eval(42)
Function F(a)
    Dim b : b = a
    Execute "b = b * 3 : F = b"
    F = F + Eval("a + b")
End Function
MsgBox F(2)
Set r = GetRef("G")
MsgBox r(5)
On Error Resume Next
Execute "x = "
Execute Null
MsgBox MsgBox("m", , "T") & InStr(1, "abc", "c", )
y = ((Array(1, 2)))(1)
Call (((F))) (y)
