' Searching a long text of one repeated letter for a long needle that almost matches at every
' place: each search takes time in proportion to the texts (it used to take hours, and no time
' limit can stop a single search).
text = String(4000000, "a")
needle = String(2000000, "a") & "b"
reversed = "b" & String(2000000, "a")
MsgBox InStr(text, needle)                          ' expect: 0
MsgBox InStr(text & "b", needle)                    ' expect: 2000001
MsgBox InStr(1, text & "B", needle, 1)              ' expect: 2000001
MsgBox InStrRev(text, needle)                       ' expect: 0
MsgBox InStrRev("b" & text, reversed)               ' expect: 1
MsgBox InStrRev(text, String(2000000, "a"))         ' expect: 2000001
MsgBox InStrRev(text, String(2000000, "a"), 2500000) ' expect: 500001
MsgBox Len(Replace(text, needle, "x"))              ' expect: 4000000
MsgBox UBound(Split(text, needle))                  ' expect: 0
MsgBox UBound(Split(text & "b" & text, needle))     ' expect: 1
