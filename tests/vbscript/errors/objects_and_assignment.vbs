' Object rules: Set needs an object, a member of Nothing or of a number needs an object, a
' plain assignment of Nothing fails; constants and procedure names cannot be assigned.
On Error Resume Next
Set o = Nothing
MsgBox IsObject(o) & " " & (o Is Nothing)
' expect: True True
o.Foo
MsgBox Err.Number & " " & Err.Description
' expect: 424 Object required
Err.Clear
x = Nothing
MsgBox Err.Number & " " & Err.Description
' expect: 91 Object variable not set
Err.Clear
Set y = 5
MsgBox Err.Number
' expect: 424
Err.Clear
n = 5
n.Foo = 1
MsgBox Err.Number
' expect: 424
Err.Clear
r = 5 Is Nothing
MsgBox Err.Number
' expect: 424
Err.Clear
Call NotDefinedAnywhere(1)
MsgBox Err.Number & " " & Err.Description
' expect: 13 Type mismatch
Err.Clear
Const K = 1
K = 2
MsgBox Err.Number & " " & Err.Description & " " & K
' expect: 501 Illegal assignment 1
Err.Clear
Sub SomeSub
End Sub
SomeSub = 3
MsgBox Err.Number
' expect: 501
Err.Clear
Set fso = CreateObject("Scripting.FileSystemObject")
MsgBox Err.Number & " " & Err.Description
' expect: 429 ActiveX component can't create object
Err.Clear
.Missing = 1
MsgBox Err.Number & " " & Err.Description
' expect: 505 Invalid or unqualified reference
Err.Clear
Err.Nothing1
MsgBox Err.Number & " " & Err.Description
' expect: 438 Object doesn't support this property or method
