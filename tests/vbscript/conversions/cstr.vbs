' The text of every subtype as CStr gives it: Double with up to 15 significant digits and an
' exponent from 1E+15 on, Single with 7, Currency with up to four decimals, Empty as no text;
' Null, arrays and Nothing have none.
' needs: show.vbs
On Error Resume Next
Show CStr(1 / 3)                    ' expect: String 0.333333333333333
Show CStr(1E20)                     ' expect: String 1E+20
Show CStr(1E15)                     ' expect: String 1E+15
Show CStr(1E14)                     ' expect: String 100000000000000
Show CStr(0.00001)                  ' expect: String 0.00001
Show CStr(9007199254740992)         ' expect: String 9.00719925474099E+15
Show CStr(0.1 + 0.2)                ' expect: String 0.3
Show CStr(-0.0)                     ' expect: String 0
Show CStr(CSng(1) / CSng(3))        ' expect: String 0.3333333
Show CStr(True)                     ' expect: String True
Show CStr(False)                    ' expect: String False
Show CStr(CLng(-2147483648))        ' expect: String -2147483648
Show CStr(CByte(255))               ' expect: String 255
Show CStr(CCur(1.5))                ' expect: String 1.5
Show CStr(CCur(0.0009))             ' expect: String 0.0009
Show CStr(CCur(-1.5))               ' expect: String -1.5
' The largest and smallest Currency. CCur of a 15-digit number passes through a Double and
' loses its last digits, so both are built with Currency arithmetic, which is exact.
Show CStr(CCur(922337203685) * 1000 + CCur(477.5807))   ' expect: String 922337203685477.5807
Show CStr(CCur(-922337203685) * 1000 - CCur(477.5808))  ' expect: String -922337203685477.5808
' Empty gives a text of no characters.
text = CStr(Empty)
MsgBox TypeName(text) & " " & Len(text)             ' expect: String 0
Show CStr(Null) : Caught            ' expect: error 94
Show CStr(Array(1)) : Caught        ' expect: error 13
Show CStr(Nothing) : Caught         ' expect: error 91
