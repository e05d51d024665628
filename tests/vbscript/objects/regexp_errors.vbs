' A bad pattern raises its error when a search uses it, not when it is set. Kept out of the
' build until New is part of the language.
Set re = New RegExp
On Error Resume Next
re.Pattern = "(abc"
MsgBox Err.Number                       ' expect: 0
x = re.Test("abc")
MsgBox Err.Number & " " & Err.Description
' expect: 5020 Expected ')' in regular expression
Err.Clear
re.Pattern = "[abc"
Set found = re.Execute("abc")
MsgBox Err.Number & " " & Err.Description
' expect: 5019 Expected ']' in regular expression
Err.Clear
re.Pattern = "[z-a]"
x = re.Replace("abc", "")
MsgBox Err.Number & " " & Err.Description
' expect: 5021 Invalid range in character set
Err.Clear
re.Pattern = "a)"
x = re.Test("abc")
MsgBox Err.Number & " " & Err.Description
' expect: 5017 Syntax error in regular expression
Err.Clear
re.Pattern = "abc"
MsgBox re.Test("xabcx")                 ' expect: True
On Error GoTo 0
re.Pattern = "("
x = re.Test("abc")                      ' expect error: Expected ')' in regular expression (column 1)
