' CInt, CLng and CByte round half to even and overflow past their ranges; they take numeric
' text (hex included) and Booleans, Empty is 0, and Null, other text and Nothing fail.
' needs: show.vbs
On Error Resume Next
Show CInt(0.5)                      ' expect: Integer 0
Show CInt(1.5)                      ' expect: Integer 2
Show CInt(2.5)                      ' expect: Integer 2
Show CInt(-36.5)                    ' expect: Integer -36
Show CInt(32767.49)                 ' expect: Integer 32767
Show CInt(32767.5) : Caught         ' expect: error 6
Show CInt(-32768.5)                 ' expect: Integer -32768
Show CInt(-32768.51) : Caught       ' expect: error 6
Show CInt("12.5")                   ' expect: Integer 12
Show CLng(2.5)                      ' expect: Long 2
Show CLng(-0.5)                     ' expect: Long 0
Show CLng(2147483647.5) : Caught    ' expect: error 6
Show CLng(CCur(2.5))                ' expect: Long 2
Show CLng(CCur(3.5))                ' expect: Long 4
Show CLng("&hFF")                   ' expect: Long 255
Show CByte("-1") : Caught           ' expect: error 6
Show CByte("258") : Caught          ' expect: error 6
Show CByte(255.49)                  ' expect: Byte 255
Show CByte("-0.5")                  ' expect: Byte 0
Show CByte(True)                    ' expect: Byte 255
Show CInt(True)                     ' expect: Integer -1
Show CLng(Empty)                    ' expect: Long 0
Show CInt("abc") : Caught           ' expect: error 13
Show CInt("TRUE") : Caught          ' expect: error 13
Show CLng(Null) : Caught            ' expect: error 94
Show CInt(Nothing) : Caught         ' expect: error 91
