' And, Or, Xor, Eqv and Imp work bit by bit on whole numbers and logically on Booleans; the
' result keeps the narrower whole subtype, Empty and text count as Long, fractions round,
' and values beyond a Long overflow.
' needs: show.vbs
On Error Resume Next
Show 5 And 3                        ' expect: Integer 1
Show 5 Or 3                         ' expect: Integer 7
Show 5 Xor 3                        ' expect: Integer 6
Show 5 Eqv 3                        ' expect: Integer -7
Show 5 Imp 3                        ' expect: Integer -5
Show True Xor True                  ' expect: Boolean False
Show True Eqv False                 ' expect: Boolean False
Show False Imp False                ' expect: Boolean True
Show True And 3                     ' expect: Integer 3
Show CByte(12) And CByte(10)        ' expect: Byte 8
Show CByte(1) Eqv CByte(1)          ' expect: Byte 255
Show CByte(1) Or 256                ' expect: Integer 257
Show Empty And Empty                ' expect: Long 0
Show Empty Or 1                     ' expect: Long 1
Show "1" And "2"                    ' expect: Long 0
Show "5" Or "3"                     ' expect: Long 7
Show "1" Imp "2"                    ' expect: Long -2
Show 5 And "3"                      ' expect: Long 1
Show "abc" And "2" : Caught         ' expect: error 13
Show 2.5 And 3                      ' expect: Long 2
Show 1E10 And 1 : Caught            ' expect: error 6
Show Array() And 1 : Caught         ' expect: error 13
