' The subtype each literal and conversion gives, as TypeName and VarType report it.
Dim never
MsgBox TypeName(1) & " " & TypeName(32767) & " " & TypeName(32768)
' expect: Integer Integer Long
MsgBox TypeName(2147483647) & " " & TypeName(2147483648)
' expect: Long Double
MsgBox TypeName(-1) & " " & TypeName(-32768) & " " & TypeName(&h8000) & " " & TypeName(&hFFFF)
' expect: Integer Long Long Integer
MsgBox TypeName(1.5) & " " & TypeName("") & " " & TypeName(True) & " " & TypeName(never)
' expect: Double String Boolean Empty
MsgBox TypeName(Null) & " " & TypeName(Nothing) & " " & TypeName(Array())
' expect: Null Nothing Variant()
MsgBox TypeName(CByte(1)) & " " & TypeName(CSng(1)) & " " & TypeName(CCur(1)) & " " & TypeName(CDbl(1))
' expect: Byte Single Currency Double
MsgBox TypeName(#1/1/2000#) & " " & TypeName(CDate(1))
' expect: Date Date
MsgBox VarType(never) & " " & VarType(Null) & " " & VarType(1) & " " & VarType(32768) & " " & VarType("x")
' expect: 0 1 2 3 8
MsgBox VarType(Array()) & " " & VarType(True) & " " & VarType(CByte(1)) & " " & VarType(Nothing)
' expect: 8204 11 17 9
MsgBox TypeName(VarType(1)) & " " & TypeName(Len("a"))
' expect: Integer Long
