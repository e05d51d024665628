' Comparisons of numbers by value whatever their subtypes, of text by its bytes (case and
' characters past "z" included), Empty as "" or 0 after the other side, Null giving Null,
' and arrays and Nothing that cannot be compared.
' needs: show.vbs
On Error Resume Next
Show False > True                   ' expect: Boolean True
Show 0 > True                       ' expect: Boolean True
Show CLng(3) = 3.0                  ' expect: Boolean True
Show CSng(0.1) = 0.1                ' expect: Boolean True
Show CCur(1.5) = 1.5                ' expect: Boolean True
Show CDate(2) >= 2                  ' expect: Boolean True
Show "a" < "b"                      ' expect: Boolean True
Show "abc" = "ABC"                  ' expect: Boolean False
Show "ab" < "abc"                   ' expect: Boolean True
Show Chr(233) > "z"                 ' expect: Boolean True
Show Empty = ""                     ' expect: Boolean True
Show Empty = 0                      ' expect: Boolean True
Show Empty < "a"                    ' expect: Boolean True
Show Empty < -1                     ' expect: Boolean False
Show Empty = Empty                  ' expect: Boolean True
Show 0 = Null                       ' expect: Null
Show Null <> 1                      ' expect: Null
Show Null = Null                    ' expect: Null
Show Array() = Null : Caught        ' expect: error 13
Show Array() = Array() : Caught     ' expect: error 13
Show Nothing = 3 : Caught           ' expect: error 91
Show 2 <= 2                         ' expect: Boolean True
Show 2 <> 2                         ' expect: Boolean False
