' Script-level declarations: Public and Private are Dim, Private Const and Public Const are
' constants usable above their line; Stop does nothing without a debugger; Rem is a comment
' wherever a statement may start.
MsgBox Limit & " " & Label              ' expect: 3 top
Public shown, list(2)
Private hidden
Private Const Limit = 3
Public Const Label = "top"
shown = 1 : hidden = 2 : list(2) = 5
MsgBox shown + hidden + list(2)          ' expect: 8
Stop
MsgBox "after Stop"                      ' expect: after Stop
x = 1 : Rem x = 2
Rem x = 3
MsgBox x                                 ' expect: 1
On Error Resume Next
Limit = 4
MsgBox Err.Number & " " & Limit          ' expect: 501 3
