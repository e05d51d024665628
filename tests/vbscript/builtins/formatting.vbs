' The Format functions in en-US: two decimals, a leading zero, a minus sign and groups of
' three by default; each option is -1 (yes), 0 (no) or -2 (the default). FormatCurrency puts
' "$" in front, FormatPercent multiplies by 100 and adds "%". A Null number is a type mismatch
' (13), a Null option 94.
' needs: show.vbs
On Error Resume Next
Show FormatNumber(1234567.89)                   ' expect: String 1,234,567.89
Show FormatNumber(1234.5678)                    ' expect: String 1,234.57
Show FormatNumber(1234.5678, 0)                 ' expect: String 1,235
Show FormatNumber(1234.5678, 3)                 ' expect: String 1,234.568
Show FormatNumber(-1234.5678, 1)                ' expect: String -1,234.6
Show FormatNumber(0.5)                          ' expect: String 0.50
Show FormatNumber(0.5, 2, 0)                    ' expect: String .50
Show FormatNumber(-0.5, 2, 0)                   ' expect: String -.50
Show FormatNumber(0.5, 2, -1)                   ' expect: String 0.50
Show FormatNumber(-1234.5, 1, -1, -1)           ' expect: String (1,234.5)
Show FormatNumber(-1234.5, 1, -1, 0)            ' expect: String -1,234.5
Show FormatNumber(1234567.891, 2, -1, 0, 0)     ' expect: String 1234567.89
Show FormatNumber(1234567.891, 2, -2, -2, -2)   ' expect: String 1,234,567.89
Show FormatNumber(999.999, 2)                   ' expect: String 1,000.00
Show FormatNumber(12)                           ' expect: String 12.00
Show FormatNumber(CCur(1234.5))                 ' expect: String 1,234.50
Show FormatNumber("1234.5")                     ' expect: String 1,234.50
Show FormatNumber(Empty)                        ' expect: String 0.00
Show FormatNumber(0.000123, 5)                  ' expect: String 0.00012
Show FormatNumber(Null) : Caught                ' expect: error 13
Show FormatNumber("abc") : Caught               ' expect: error 13
Show FormatNumber(0.1, Null) : Caught           ' expect: error 94
Show FormatNumber(0.1, 0, Null) : Caught        ' expect: error 94
Show FormatNumber(0.1, 0, 0, Null) : Caught     ' expect: error 94
Show FormatNumber(0.1, 0, 0, 0, Null) : Caught  ' expect: error 94

Show FormatCurrency(1234.567)                   ' expect: String $1,234.57
Show FormatCurrency(0)                          ' expect: String $0.00
Show FormatCurrency(-1234.567, 2, -1, -1)       ' expect: String ($1,234.57)
Show FormatCurrency(-1234.567, 2, -1, 0)        ' expect: String -$1,234.57
Show FormatCurrency(1234.567, 0, -1, 0, 0)      ' expect: String $1235
Show FormatCurrency(Null) : Caught              ' expect: error 13
Show FormatCurrency(1000, Null) : Caught        ' expect: error 94
Show FormatCurrency(1000, 0, 0, 0, Null) : Caught  ' expect: error 94

Show FormatPercent(0.1234)                      ' expect: String 12.34%
Show FormatPercent(0.1234, 1)                   ' expect: String 12.3%
Show FormatPercent(1)                           ' expect: String 100.00%
Show FormatPercent(12.5, 0)                     ' expect: String 1,250%
Show FormatPercent(-0.1234, 1, -1, 0)           ' expect: String -12.3%
Show FormatPercent(-0.1234, 1, -1, -1)          ' expect: String (12.3%)
Show FormatPercent(0.005, 1, 0)                 ' expect: String .5%
Show FormatPercent(Null) : Caught               ' expect: error 13
Show FormatPercent(0.1, Null) : Caught          ' expect: error 94

Show FormatDateTime(#1/15/2024 10:05:03 PM#)               ' expect: String 1/15/2024 10:05:03 PM
Show FormatDateTime(#1/15/2024 10:05:03 PM#, vbGeneralDate)  ' expect: String 1/15/2024 10:05:03 PM
Show FormatDateTime(#1/15/2024 10:05:03 PM#, vbLongDate)   ' expect: String Monday, January 15, 2024
Show FormatDateTime(#1/15/2024 10:05:03 PM#, vbShortDate)  ' expect: String 1/15/2024
Show FormatDateTime(#1/15/2024 10:05:03 PM#, vbLongTime)   ' expect: String 10:05:03 PM
Show FormatDateTime(#1/15/2024 10:05:03 PM#, vbShortTime)  ' expect: String 22:05
Show FormatDateTime(#1/15/2024 9:05:03 AM#, vbShortTime)   ' expect: String 09:05
Show FormatDateTime(#1/15/2024#, vbLongTime)               ' expect: String 12:00:00 AM
Show FormatDateTime(0)                                     ' expect: String 12:00:00 AM
Show FormatDateTime("12/25/2023 6:30 PM", vbShortDate)     ' expect: String 12/25/2023
Show FormatDateTime(Null) : Caught                         ' expect: error 13
Show FormatDateTime(0.1, Null) : Caught                    ' expect: error 94
Show FormatDateTime("no date") : Caught                    ' expect: error 13
