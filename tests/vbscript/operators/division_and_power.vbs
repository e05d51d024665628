' "/" always gives Double (Single when both sides fit a Single), "\" and Mod round their
' operands half to even before dividing and keep the narrowest whole subtype, "^" always gives
' Double; each with its own errors for zero divisors, overflow and impossible roots.
' needs: show.vbs
On Error Resume Next
Show 1 / 2                          ' expect: Double 0.5
Show 6 / 3                          ' expect: Double 2
Show CSng(1) / CSng(3)              ' expect: Single 0.3333333
Show CSng(1) / 3                    ' expect: Single 0.3333333
Show CSng(1) / CLng(3)              ' expect: Double 0.333333333333333
Show 1 / 0 : Caught                 ' expect: error 11
Show 0 / 0 : Caught                 ' expect: error 6
Show 1 / Empty : Caught             ' expect: error 11
Show 4.6 \ 1.5                      ' expect: Long 2
Show 4.6 \ 1.49                     ' expect: Long 5
Show 5 \ 2                          ' expect: Integer 2
Show -7 \ 2                         ' expect: Integer -3
Show CByte(9) \ CByte(2)            ' expect: Byte 4
Show "9" \ 2                        ' expect: Long 4
Show 1 \ 0 : Caught                 ' expect: error 11
Show 1 \ 0.4 : Caught               ' expect: error 11
Show CInt(-32768) \ -1              ' expect: Long 32768
Show CLng(-2147483648) \ -1 : Caught ' expect: error 6
Show 11.6 Mod 5.5                   ' expect: Long 0
Show 9 Mod 6                        ' expect: Integer 3
Show -7 Mod 3                       ' expect: Integer -1
Show Null Mod 2                     ' expect: Null
Show 1 Mod Empty : Caught           ' expect: error 11
Show 1E10 Mod 2 : Caught            ' expect: error 6
Show 2 ^ 3                          ' expect: Double 8
Show Empty ^ 2                      ' expect: Double 0
Show 2 ^ Empty                      ' expect: Double 1
Show (-8) ^ (1 / 3) : Caught        ' expect: error 5
Show 10 ^ 400 : Caught              ' expect: error 6
