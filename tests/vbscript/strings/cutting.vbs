' Len, Left, Right, Mid, Space, String and the trims; counts are rounded half to even.
MsgBox Len("abc") & " " & Len(12345) & " " & Len(Empty) & " " & IsNull(Len(Null))
' expect: 3 5 0 True
MsgBox Left("123456", 2.5) & " " & Right("abcdef", 2) & " " & Left("ab", 9)
' expect: 12 ef ab
MsgBox Mid("test", 2, 4) & " " & Mid("abcdef", 3) & " [" & Mid("abc", 5) & "]"
' expect: est cdef []
MsgBox "[" & Space(4.5) & "][" & Space(5.5) & "]"
' expect: [    ][      ]
MsgBox String(3, "ab") & " " & String(2, 65)
' expect: aaa AA
MsgBox "[" & Trim("  a b  ") & "][" & LTrim("  a  ") & "][" & RTrim("  a  ") & "]"
' expect: [a b][a  ][  a]
MsgBox LCase("AbC") & UCase("dEf") & " " & StrReverse("abc")
' expect: abcDEF cba
On Error Resume Next
x = Mid("abc", 0, 1)
MsgBox Err.Number & " " & Err.Description
' expect: 5 Invalid procedure call or argument
Err.Clear
x = Space(-1)
MsgBox Err.Number
' expect: 5
Err.Clear
x = String(3, "")
MsgBox Err.Number
' expect: 5
Err.Clear
x = Left("abc", Null)
MsgBox Err.Number
' expect: 94
