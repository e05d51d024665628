' Split and Join: empty pieces between delimiters, a count that keeps the rest in the last
' piece, an empty text giving an empty array.
a = Split("a,b,,c", ",")
MsgBox UBound(a) & " [" & a(2) & "] " & Join(a, "-")
' expect: 3 [] a-b--c
MsgBox UBound(Split("")) & " " & UBound(Split("one two"))
' expect: -1 1
MsgBox Split("a,b,c", ",", 2)(1)
' expect: b,c
MsgBox Join(Array(1, "x", Empty, 2.5), "|")
' expect: 1|x||2.5
MsgBox Join(Split("a b c"))
' expect: a b c
MsgBox TypeName(Split("a")(0))
' expect: String
On Error Resume Next
x = Join(Array(Null))
MsgBox Err.Number
' expect: 13
Err.Clear
x = Join(5)
MsgBox Err.Number
' expect: 13
