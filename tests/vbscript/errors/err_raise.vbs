' Err.Raise: standard texts for known numbers, the caller's own texts, COM-style numbers.
On Error Resume Next
Err.Raise 1000
MsgBox Err.Number & " " & Err.Description
' expect: 1000 Unknown runtime error
Err.Clear
Err.Raise 13
MsgBox Err.Number & " " & Err.Description & " / " & Err.Source
' expect: 13 Type mismatch / Microsoft VBScript runtime error
Err.Clear
Err.Raise vbObjectError + 1, "MyScript", "custom failure"
MsgBox Err.Number & " " & Err.Source & " " & Err.Description
' expect: -2147221503 MyScript custom failure
Err.Clear
Err.Raise 0
MsgBox Err.Number
' expect: 5
Err.Clear
Err.Raise &h8007000E&
MsgBox Err.Number & " " & Err.Description
' expect: 7 Out of memory
MsgBox Err
' expect: 7
x = Err
MsgBox x
' expect: 7
Err.Clear
Err.Raise 6, 2
MsgBox Err.Source
' expect: 2
Err.Clear
Err.Raise
MsgBox Err.Number
' expect: 450
On Error GoTo 0
Err.Raise 6, "Src", "Custom overflow"  ' expect error: Custom overflow (column 1)
