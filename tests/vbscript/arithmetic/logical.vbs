' And, Or, Xor, Eqv, Imp and Not: bitwise on whole numbers, logical on Booleans, Null
' answered unless the other side decides.
MsgBox (Not 0) & " " & (Not 5) & " " & (5 And 3) & " " & (5 Or 3) & " " & (5 Xor 3)
' expect: -1 -6 1 7 6
MsgBox TypeName(Not Empty) & " " & (Not Empty) & " " & TypeName(True And True)
' expect: Long -1 Boolean
MsgBox ("1" And "2") & " " & ("5" Or "3") & " " & ("1" Imp "2") & " " & TypeName("1" And "2")
' expect: 0 7 -2 Long
MsgBox (True Eqv False) & " " & (False Imp False) & " " & (True Xor True)
' expect: False True False
MsgBox IsNull(True And Null) & " " & (False And Null) & " " & (True Or Null) & " " & IsNull(False Or Null)
' expect: True False True True
MsgBox (False Imp Null) & " " & IsNull(False Eqv Null) & " " & (CInt(0) And Null) & " " & IsNull(CInt(5) And Null)
' expect: True True 0 True
MsgBox (CByte(0) Imp Null) & " " & TypeName(CByte(0) Imp Null)
' expect: 255 Byte
MsgBox (2.5 And 3) & " " & TypeName(2.5 And 3)
' expect: 2 Long
On Error Resume Next
x = "abc" And "2"
MsgBox Err.Number
' expect: 13
