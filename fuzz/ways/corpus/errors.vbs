On Error Resume Next
x = 1 / 0
Err.Raise vbObjectError + 5, "src", "text"
If Err.Number <> 0 Then Err.Clear
Set o = Nothing
o.Member = 1
y = "abc" + 1
z = Array(1, 2)(5)
On Error GoTo 0
MsgBox Err.Description
