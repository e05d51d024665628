' Numbers compare by value (True is -1), text by its characters with case, Empty as 0 or "",
' and any comparison with Null gives Null.
Dim never
MsgBox False > True
' expect: True
MsgBox 0 > True
' expect: True
MsgBox CLng(3) = 3.0
' expect: True
MsgBox CSng(0.1) = 0.1
' expect: True
MsgBox "a" < "b"
' expect: True
MsgBox "abc" = "ABC"
' expect: False
MsgBox "ab" < "abc"
' expect: True
MsgBox never = ""
' expect: True
MsgBox never = 0
' expect: True
MsgBox IsNull(0 = Null) & " " & IsNull(Null <> 1) & " " & IsNull(Null >= 1)
' expect: True True True
If Null = Null Then MsgBox "equal" Else MsgBox "not known"
' expect: not known
MsgBox #1/2/2000# > #1/1/2000#
' expect: True
MsgBox StrComp("ABC", "abc") & " " & StrComp("ABC", "abc", vbTextCompare)
' expect: -1 0
