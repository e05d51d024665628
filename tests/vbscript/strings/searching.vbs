' InStr, InStrRev and Replace: 1-based positions, 0 when not found, the text compare mode,
' and Replace's result beginning at its start position.
MsgBox InStr("abcd", "cd") & " " & InStr(2.6, "abcd", "bc") & " " & InStr(4, "abcdef", "")
' expect: 3 0 4
MsgBox InStr(20, "abcdef", "") & " " & InStr(1, 23456, 45) & " " & InStr(1, "ABC", "b", vbTextCompare)
' expect: 0 3 2
MsgBox IsNull(InStr("abc", Null))
' expect: True
MsgBox InStrRev("abcd", "bc", 2) & " " & InStrRev("abcd", "bc", 3) & " " & InStrRev("abcabc", "bc")
' expect: 0 2 5
MsgBox Replace("xx testxx(xx)", "xx", "!", 2)
' expect: x test!(!)
MsgBox Replace("xxxxx", "xx", "y")
' expect: yyx
MsgBox Replace("aAa", "a", "b", 1, -1, vbTextCompare) & " " & Replace("aAa", "a", "b", 1, 1)
' expect: bbb bAa
On Error Resume Next
x = InStr(0, "a", "a")
MsgBox Err.Number
' expect: 5
Err.Clear
x = InStr(1, "a", "a", 2)
MsgBox Err.Number
' expect: 5
