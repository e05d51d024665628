' The errors of Scripting.Dictionary, and CreateObject refusing every other name: scripts are
' sandboxed and may create nothing that reaches outside them.
On Error Resume Next
Set d = CreateObject("Scripting.Dictionary")
d.Add "a", 1
d.Add "a", 2
MsgBox Err.Number & " " & Err.Description
' expect: 457 This key is already associated with an element of this collection
MsgBox d("a")                           ' expect: 1
Err.Clear
d.Remove "b"
MsgBox Err.Number & " " & Err.Description
' expect: 32811 Element not found
Err.Clear
d.CompareMode = 1
MsgBox Err.Number & " " & d.CompareMode  ' expect: 5 0
Err.Clear
d.Key("missing") = "x"
MsgBox Err.Number                        ' expect: 32811
Err.Clear
d.Add "b", 2
d.Key("a") = "b"
MsgBox Err.Number & " " & d("a")         ' expect: 457 1
Err.Clear

' Text compare applies only to texts: a numeric key stays a number.
Set t = CreateObject("Scripting.Dictionary")
t.CompareMode = 1
t.Add "A", 1
t.Add "a", 2
MsgBox Err.Number & " " & t.Count        ' expect: 457 1
Err.Clear

Set shell = CreateObject("WScript.Shell")
MsgBox Err.Number & " " & Err.Description
' expect: 429 ActiveX component can't create object
Err.Clear
Set files = CreateObject("Scripting.FileSystemObject")
MsgBox Err.Number                        ' expect: 429
Err.Clear
Set x = GetObject("", "Scripting.Dictionary")
MsgBox Err.Number                        ' expect: 429
On Error GoTo 0
d.Remove "gone"                          ' expect error: Element not found (column 1)
