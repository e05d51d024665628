' The subtype of each arithmetic result: Integer overflows into Long and Long into Double,
' text added to a number gives Double, "/" always gives Double.
Dim never
MsgBox TypeName(32767 + 1) & " " & (32767 + 1)
' expect: Long 32768
MsgBox TypeName(2147483647 + 1) & " " & (2147483647 + 1)
' expect: Double 2147483648
MsgBox TypeName(CByte(200) + CByte(100)) & " " & (CByte(200) + CByte(100))
' expect: Integer 300
MsgBox TypeName(CByte(2) * CByte(3)) & " " & TypeName(200 * 200)
' expect: Byte Long
MsgBox TypeName(True + True) & " " & (True + True)
' expect: Integer -2
MsgBox TypeName("1" + "2") & " " & ("1" + "2")
' expect: String 12
MsgBox TypeName("1" + 2) & " " & ("1" + 2)
' expect: Double 3
MsgBox TypeName(never + never) & " " & TypeName(never + CLng(5)) & " " & TypeName(-never)
' expect: Integer Long Integer
MsgBox TypeName(6 / 3) & " " & (6 / 3) & " " & TypeName(CSng(1) / CSng(3))
' expect: Double 2 Single
MsgBox TypeName(CSng(1.5) + 1) & " " & TypeName(CSng(1.5) + CLng(1))
' expect: Single Double
MsgBox TypeName(CCur(1) + 1) & " " & (CCur(1) + 1)
' expect: Currency 2
MsgBox TypeName(#1/1/2000# + 1) & " " & TypeName(#1/2/2000# - #1/1/2000#)
' expect: Date Double
MsgBox TypeName("5" - "2") & " " & ("5" - "2")
' expect: Double 3
MsgBox TypeName(-32768) & " " & TypeName(-(-32767 - 1))
' expect: Long Long
MsgBox TypeName(2 ^ 3) & " " & (2 ^ 3) & " " & (never ^ 2) & " " & (2 ^ never)
' expect: Double 8 0 1
x = 2 + Null
MsgBox IsNull(x) & " " & IsNull(-Null) & " " & IsNull(Null Mod 2)
' expect: True True True
