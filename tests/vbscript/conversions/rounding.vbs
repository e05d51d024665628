' CInt, CLng and CByte round a half to the even neighbour and raise Overflow past their range.
MsgBox CInt(0.5)
' expect: 0
MsgBox CInt(1.5)
' expect: 2
MsgBox CInt(2.5)
' expect: 2
MsgBox CInt(-36.5)
' expect: -36
MsgBox CLng(-0.5)
' expect: 0
MsgBox TypeName(CLng(2.5)) & " " & CLng(2.5)
' expect: Long 2
MsgBox CInt(-32768.5)
' expect: -32768
MsgBox CByte(255.49) & " " & CByte("-0.5") & " " & CByte(True)
' expect: 255 0 255
MsgBox CLng("&hFF") + CLng(" 12 ")
' expect: 267
On Error Resume Next
x = CInt(32767.5)
MsgBox Err.Number & " " & Err.Description
' expect: 6 Overflow
Err.Clear
x = CByte("258")
MsgBox Err.Number
' expect: 6
Err.Clear
x = CInt("abc")
MsgBox Err.Number & " " & Err.Description
' expect: 13 Type mismatch
Err.Clear
x = CLng(Null)
MsgBox Err.Number & " " & Err.Description
' expect: 94 Invalid use of Null
Err.Clear
x = CInt("TRUE")
MsgBox Err.Number
' expect: 13
