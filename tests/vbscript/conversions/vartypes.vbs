' The name and number TypeName and VarType give for a value of every subtype.
Sub Describe(value)
    MsgBox TypeName(value) & " " & VarType(value)
End Sub

Describe Empty                      ' expect: Empty 0
Describe Null                       ' expect: Null 1
Describe 1                          ' expect: Integer 2
Describe CLng(1)                    ' expect: Long 3
Describe CSng(1)                    ' expect: Single 4
Describe CDbl(1)                    ' expect: Double 5
Describe CCur(0.0001)               ' expect: Currency 6
Describe CDate(1)                   ' expect: Date 7
Describe ""                         ' expect: String 8
Describe Nothing                    ' expect: Nothing 9
Describe True                       ' expect: Boolean 11
Describe CByte(1)                   ' expect: Byte 17
Describe Array()                    ' expect: Variant() 8204
