' "&" joins the text of any subtype (Long and Boolean included); Null counts as no text unless
' both sides are Null, and Nothing and arrays have no text to join.
' needs: show.vbs
On Error Resume Next
Show 1 & 100000                     ' expect: String 1100000
Show True & False                   ' expect: String TrueFalse
Show Null & Null                    ' expect: Null
Show Null & "a"                     ' expect: String a
Show Empty & "foo"                  ' expect: String foo
Show "x" & 1 / 3                    ' expect: String x0.333333333333333
Show "" & Nothing : Caught          ' expect: error 91
Show "" & Array() : Caught          ' expect: error 13
