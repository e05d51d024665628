' "s = s & tail" grows the text in place; every way the tail can read or change s, fail, or
' share the text ends as joining a copy would.
' needs: show.vbs
s = "a"
s = s & "b" & 1 & Null & 2.5
Show s  ' expect: String ab12.5
t = s
s = s & "x"
Show t & "/" & s  ' expect: String ab12.5/ab12.5x

Function Rewrite()
    s = "zzz"
    Rewrite = "!"
End Function
s = "old"
s = s & Rewrite()
Show s  ' expect: String old!

Function Grow()
    s = s & "-inner"
    Grow = "+"
End Function
s = "old"
s = s & Grow() & Len(s)
Show s  ' expect: String old+9

Function Loud(v)
    MsgBox "ran " & v
    Loud = v
End Function
On Error Resume Next
s = "keep"
s = s & Loud(1) & Array(1) & Loud(2)  ' expect: ran 1
Show Err.Number & " " & s  ' expect: String 13 keep
On Error GoTo 0

Sub AddTo(ByRef v)
    v = v & "-"
End Sub
s = "p"
AddTo s
AddTo s
Show s  ' expect: String p--

n = Null
n = n & "a"
Show n  ' expect: String a
e = Empty
e = e & "b" & Null
Show e  ' expect: String b
x = 5
x = x & 5
Show x  ' expect: String 55

big = Space(40000000)
On Error Resume Next
big = big & Loud(3) & big & Loud(4)  ' expect: ran 3
Show Err.Number & " " & Len(big)  ' expect: String 7 40000000
