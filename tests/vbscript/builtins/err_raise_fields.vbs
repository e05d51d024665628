' Err.Raise fills every field it is given; fields it is not given keep what Err held unless
' Err was cleared, and a cleared Err takes the standard source and text. An error the engine
' raises itself empties HelpFile and HelpContext; On Error GoTo 0 clears every field.
' needs: show.vbs
Sub ShowErr
    MsgBox Err.Number & "|" & Err.Source & "|" & Err.Description & "|" & Err.HelpFile & "|" & Err.HelpContext
End Sub

On Error Resume Next
Err.Raise 1000, "Planner", "no path", "help.chm", 42
ShowErr                                 ' expect: 1000|Planner|no path|help.chm|42
Show Err.HelpContext                    ' expect: Long 42
Show Err.HelpFile                       ' expect: String help.chm
Err.Raise 5
ShowErr                                 ' expect: 5|Planner|no path|help.chm|42
Err.Raise 7, "Mover"
ShowErr                                 ' expect: 7|Mover|no path|help.chm|42
x = 1 / 0
ShowErr                                 ' expect: 11|Microsoft VBScript runtime error|Division by zero||0
Err.Raise 1, 2, "desc", "hf", 1
Err.NoSuchMember
ShowErr                                 ' expect: 438|Microsoft VBScript runtime error|Object doesn't support this property or method||0

Err.Clear
ShowErr                                 ' expect: 0||||0
Err.Raise 1, "abc"
ShowErr                                 ' expect: 1|abc|Unknown runtime error||0
Err.Clear
Err.Raise &h8007000E&
ShowErr                                 ' expect: 7|Microsoft VBScript runtime error|Out of memory||0
Err.Clear
Err.Raise 1, "test"
Err.Raise &h8007000E&
ShowErr                                 ' expect: 7|test|Unknown runtime error||0

Err.Raise 1, 2, "desc", "hf", 1
On Error GoTo 0
ShowErr                                 ' expect: 0||||0
