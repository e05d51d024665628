' Subtraction and multiplication: the same widening on overflow as addition, a date minus a
' date is a Double count of days while a date minus a number stays a Date, and Currency
' products keep four decimals.
' needs: show.vbs
On Error Resume Next
Show CByte(1) - CByte(2)            ' expect: Integer -1
Show CInt(-32768) - 1               ' expect: Long -32769
Show CDate(3) - CDate(1)            ' expect: Double 2
Show CDate(3) - 1                   ' expect: Date 1/1/1900
Show "5" - "2"                      ' expect: Double 3
Show "5" - Empty                    ' expect: Double 5
Show Empty - Empty                  ' expect: Integer 0
Show 200 * 200                      ' expect: Long 40000
Show 65536 * 65536                  ' expect: Double 4294967296
Show CByte(16) * CByte(16)          ' expect: Integer 256
Show "2" * 3                        ' expect: Double 6
Show CSng(2) * 3                    ' expect: Single 6
Show CSng(2) * CLng(3)              ' expect: Double 6
Show CCur(1.5) * 3                  ' expect: Currency 4.5
Show CCur(1.5) * CCur(1.5)          ' expect: Currency 2.25
Show CDate(2) * 2                   ' expect: Double 4
Show 1E300 * 1E300 : Caught         ' expect: error 6
Show Null * 2                       ' expect: Null
