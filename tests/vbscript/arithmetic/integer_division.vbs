' "\" and Mod round their operands half to even first; the result takes the sign of the
' dividend; the subtype is Integer for Integer operands, Long otherwise.
MsgBox 4.6 \ 1.5
' expect: 2
MsgBox 4.6 \ 1.49
' expect: 5
MsgBox TypeName(5 \ 2) & " " & (5 \ 2) & " " & TypeName(4.6 \ 1.5)
' expect: Integer 2 Long
x = -7 \ 2
MsgBox x
' expect: -3
MsgBox 11.6 Mod 5.5
' expect: 0
MsgBox 9 Mod 6 & " " & (-7 Mod 3) & " " & (7 Mod -3)
' expect: 3 -1 1
MsgBox TypeName(CByte(9) \ CByte(2)) & " " & TypeName("9" Mod 2)
' expect: Byte Long
On Error Resume Next
x = 1 \ 0
MsgBox Err.Number & " " & Err.Description
' expect: 11 Division by zero
Err.Clear
x = 1 Mod 0.4
MsgBox Err.Number
' expect: 11
Err.Clear
x = 1 / 0
MsgBox Err.Number
' expect: 11
Err.Clear
x = 0 / 0
MsgBox Err.Number & " " & Err.Description
' expect: 6 Overflow
Err.Clear
x = 1 / Empty
MsgBox Err.Number
' expect: 11
