' Addition and the subtype of its result: Integer overflows into Long and Long into Double,
' Bytes widen to Integer, text beside a number adds as Double, two texts join, Empty counts
' as nothing, Null gives Null, and arrays and Nothing cannot be added.
' needs: show.vbs
On Error Resume Next
Show 32767 + 1                      ' expect: Long 32768
Show CInt(-32768) + -1              ' expect: Long -32769
Show 2147483647 + 1                 ' expect: Double 2147483648
Show CByte(200) + CByte(100)        ' expect: Integer 300
Show CByte(1) + CByte(2)            ' expect: Byte 3
Show True + True                    ' expect: Integer -2
Show "1" + "2"                      ' expect: String 12
Show "1" + 2                        ' expect: Double 3
Show "abc" + 1 : Caught             ' expect: error 13
Show Empty + "x"                    ' expect: String x
Show Empty + Empty                  ' expect: Integer 0
Show Empty + CLng(5)                ' expect: Long 5
Show CByte(1) + Empty               ' expect: Integer 1
Show CDate(1) + 1                   ' expect: Date 1/1/1900
Show CCur(1) + 1                    ' expect: Currency 2
Show CCur(1) + 0.5                  ' expect: Currency 1.5
Show CSng(1.5) + 1                  ' expect: Single 2.5
Show CSng(1.5) + CLng(1)            ' expect: Double 2.5
Show CSng(1.5) + "1"                ' expect: Double 2.5
Show 2 + Null                       ' expect: Null
Show 1E308 + 1E308 : Caught         ' expect: error 6
Show Array(1) + 1 : Caught          ' expect: error 13
Show Array(1) + Null : Caught       ' expect: error 13
Show Nothing + 1 : Caught           ' expect: error 91
