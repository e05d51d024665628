' RegExp.Replace: every match when Global, the first otherwise; $1 to $99 give a group's text,
' $& the match, $` the text before it, $' the text after it, $$ a "$". Kept out of the build
' until New is part of the language.
Set re = New RegExp
re.Pattern = "o"
MsgBox re.Replace("foo boo", "0")       ' expect: f0o boo
re.Global = True
MsgBox re.Replace("foo boo", "0")       ' expect: f00 b00

re.Pattern = "(\w+) (\w+)"
MsgBox re.Replace("John Smith", "$2, $1")     ' expect: Smith, John
re.Pattern = "b"
MsgBox re.Replace("abc", "[$&]")        ' expect: a[b]c
MsgBox re.Replace("abc", "[$`]")        ' expect: a[a]c
MsgBox re.Replace("abc", "[$']")        ' expect: a[c]c
MsgBox re.Replace("abc", "$$")          ' expect: a$c

' A group that took no part gives nothing.
re.Pattern = "(x)?b"
MsgBox re.Replace("abc", "[$1]")        ' expect: a[]c

' Empty matches: each one, and the search moves on one character after it.
re.Pattern = "x*"
MsgBox re.Replace("abc", "-")           ' expect: -a-b-c-

' Nothing found: the text as it was.
re.Pattern = "z"
MsgBox re.Replace("abc", "-")           ' expect: abc
