' "&" joins the text of any values; a single Null counts as "", two Nulls give Null.
MsgBox 1 & 100000
' expect: 1100000
MsgBox True & False
' expect: TrueFalse
MsgBox Null & "a" & Empty & "b"
' expect: ab
MsgBox IsNull(Null & Null)
' expect: True
MsgBox "x" & 1 / 3
' expect: x0.333333333333333
MsgBox TypeName(1 & 2) & " " & (1 & 2) + 1
' expect: String 13
On Error Resume Next
x = "" & Nothing
MsgBox Err.Number & " " & Err.Description
' expect: 91 Object variable not set
