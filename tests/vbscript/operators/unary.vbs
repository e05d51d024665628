' Unary minus keeps the operand's subtype until the result no longer fits (Integer to Long,
' Long to Double, Currency overflows), counts Booleans, Bytes and Empty as Integer and text
' as Double; unary plus gives its operand back unchanged.
' needs: show.vbs
On Error Resume Next
Show -5                             ' expect: Integer -5
Show -CInt(-32768)                  ' expect: Long 32768
Show -CLng(-2147483648)             ' expect: Double 2147483648
Show -"3"                           ' expect: Double -3
Show -Empty                         ' expect: Integer 0
Show -True                          ' expect: Integer 1
Show -CByte(5)                      ' expect: Integer -5
Show -CDate(2)                      ' expect: Date 12/28/1899
Show -CCur(1.5)                     ' expect: Currency -1.5
' The smallest Currency. CCur of a 15-digit number passes through a Double and loses its last
' digits, so the value is built with Currency arithmetic, which is exact.
lowest = CCur(-922337203685) * 1000 - CCur(477.5808)
Show lowest                         ' expect: Currency -922337203685477.5808
Show -lowest : Caught               ' expect: error 6
Show -CSng(1.5)                     ' expect: Single -1.5
Show -Null                          ' expect: Null
Show -"x" : Caught                  ' expect: error 13
Show -Array() : Caught              ' expect: error 13
Show +"true"                        ' expect: String true
Show +Empty                         ' expect: Empty
