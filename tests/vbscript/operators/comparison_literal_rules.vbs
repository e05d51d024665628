' Text against a number compares by how each side stands in the script: beside a numeric
' literal the text is read as a number (and must be one), a string literal compares with the
' number's text, and with neither side a literal the text is always the greater.
' needs: show.vbs
On Error Resume Next
Show "10" > 9                       ' expect: Boolean True
Show 9 < "10"                       ' expect: Boolean True
Show "42" = 42                      ' expect: Boolean True
Show "1e2" = 100                    ' expect: Boolean True
Show "&hff" = 255                   ' expect: Boolean True
x = "0"
Show x > 30                         ' expect: Boolean False
Show "abc" = 5 : Caught             ' expect: error 13
Show "" = 5 : Caught                ' expect: error 13
Show " " = 0 : Caught               ' expect: error 13
Show "abc" = #1/15/2024# : Caught   ' expect: error 13
n5 = 5
n10 = 10
Show "abc" = n5                     ' expect: Boolean False
Show "010" = n10                    ' expect: Boolean False
Show "10" > CDbl(5)                 ' expect: Boolean False
Show "True" = True                  ' expect: Boolean True
Show "true" = True                  ' expect: Boolean False
Show "1" = True                     ' expect: Boolean False
Show "abc" = CByte(5)               ' expect: Boolean False
s = "5"
n = 5
Show s = n                          ' expect: Boolean False
Show s > n                          ' expect: Boolean True
Show n > s                          ' expect: Boolean False
Show Len("ab") < Space(3)           ' expect: Boolean True
