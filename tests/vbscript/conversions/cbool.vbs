' CBool takes any number (non-zero is True), numeric text and the words True and False
' (also as "#TRUE#" and "#FALSE#"); Empty is False, other text and Null fail.
' needs: show.vbs
On Error Resume Next
Show CBool(5)                       ' expect: Boolean True
Show CBool(0.0)                     ' expect: Boolean False
Show CBool("0")                     ' expect: Boolean False
Show CBool("0.1")                   ' expect: Boolean True
Show CBool("true")                  ' expect: Boolean True
Show CBool("#TRUE#")                ' expect: Boolean True
Show CBool("false")                 ' expect: Boolean False
Show CBool("#FALSE#")               ' expect: Boolean False
Show CBool("") : Caught             ' expect: error 13
Show CBool("yes") : Caught          ' expect: error 13
Show CBool(Empty)                   ' expect: Boolean False
Show CBool(Null) : Caught           ' expect: error 94
Show CBool(CCur(0.0001))            ' expect: Boolean True
