' The errors of code made while a script runs: a syntax error is a compilation error that
' On Error Resume Next catches, a text is required where statements are to run, and GetRef
' names a procedure. An error the code resumed past stays in Err after it returns.
' needs: show.vbs
On Error Resume Next
Execute "x = "
MsgBox Err.Number & " " & Err.Source      ' expect: 1002 Microsoft VBScript compilation error
Err.Clear
Execute "x = 1 2"
MsgBox Err.Number & " " & Err.Description ' expect: 1025 Expected end of statement
Err.Clear
y = Eval("1 + ")
MsgBox Err.Number                         ' expect: 1002
Err.Clear
y = Eval("Dim v")
MsgBox Err.Number                         ' expect: 1002
Err.Clear
Execute 42 : Caught                       ' expect: error 13
Execute Null : Caught                     ' expect: error 13
ExecuteGlobal Empty : Caught              ' expect: error 13
Set r = GetRef("NoSuchProcedure") : Caught   ' expect: error 5
Set r = GetRef("") : Caught               ' expect: error 5
Set r = GetRef(3) : Caught                ' expect: error 13
Execute "z = 1 / 0" : Caught              ' expect: error 11
Execute "On Error Resume Next : z = 1 / 0 : MsgBox ""went on"""   ' expect: went on
MsgBox Err.Number                         ' expect: 11
