' The type tests: IsEmpty, IsNull, IsObject (True for Nothing), IsNumeric on text, arrays
' and Nothing, and the codes and names VarType and TypeName give.
' needs: show.vbs
On Error Resume Next
Show IsEmpty(Empty)         ' expect: Boolean True
Show IsEmpty("")            ' expect: Boolean False
Show IsNull(Null)           ' expect: Boolean True
Show IsNull(Empty)          ' expect: Boolean False
Show IsObject(Nothing)      ' expect: Boolean True
Show IsObject(1)            ' expect: Boolean False
Show IsNumeric(Empty)       ' expect: Boolean True
Show IsNumeric(Null)        ' expect: Boolean False
Show IsNumeric(True)        ' expect: Boolean True
Show IsNumeric("44")        ' expect: Boolean True
Show IsNumeric(" -1.5e3 ")  ' expect: Boolean True
Show IsNumeric("abc")       ' expect: Boolean False
Show IsNumeric("")          ' expect: Boolean False
Show IsNumeric(Array(1))    ' expect: Boolean False
Show IsNumeric(Nothing)     ' expect: Boolean False
Show VarType(Array())       ' expect: Integer 8204
Show VarType("")            ' expect: Integer 8
Show VarType(Nothing)       ' expect: Integer 9
Show TypeName(1)            ' expect: String Integer
Show TypeName(Nothing)      ' expect: String Nothing
Show TypeName(Array())      ' expect: String Variant()
' The conversion functions called as statements raise 458; used as values they are fine.
Call CInt(1) : Caught                   ' expect: error 458
CDbl 2 : Caught                         ' expect: error 458
Call CStr(3) : Caught                   ' expect: error 458
Call Hex(255) : Caught
x = CInt(1) : Caught
MsgBox x                                ' expect: 1
