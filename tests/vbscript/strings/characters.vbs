' Character codes, Hex and Oct (16 bits for Integers, 32 for Longs), and the vb constants.
MsgBox Asc("A") & " " & Chr(66) & " " & Chr(119.5) & " " & AscW("a") & " " & ChrW(67)
' expect: 65 B x 97 C
MsgBox Hex(-1) & " " & Hex(-16) & " " & Hex(-32768) & " " & Hex(&hdeadbeef&)
' expect: FFFF FFF0 FFFF8000 DEADBEEF
MsgBox Hex(Empty) & " " & Hex("17") & " " & Hex(228.5) & " " & Hex(255)
' expect: 0 11 E4 FF
MsgBox Oct(-1) & " " & Oct(8.5) & " " & Oct(9.5) & " " & Oct(-32768)
' expect: 177777 10 12 37777700000
MsgBox Len(vbCrLf) & " " & Asc(vbTab) & " " & Asc(vbLf) & " " & (vbNewLine = vbCrLf)
' expect: 2 9 10 True
MsgBox vbObjectError & " " & vbOK & " " & vbYesNo & " " & vbTextCompare & " " & vbSunday
' expect: -2147221504 1 4 1 1
MsgBox "a" & vbTab & "b"
' expect: a	b
On Error Resume Next
x = Asc("")
MsgBox Err.Number
' expect: 5
Err.Clear
x = Chr(256)
MsgBox Err.Number
' expect: 5
Err.Clear
x = Hex(2147483647.5)
MsgBox Err.Number
' expect: 6
