' Not flips every bit of a whole number in its own subtype, flips a Boolean (the words
' "#TRUE#" and "#FALSE#" included), counts Empty and numeric text as Long and rounds fractions.
' needs: show.vbs
On Error Resume Next
Show Not 0                          ' expect: Integer -1
Show Not 5                          ' expect: Integer -6
Show Not True                       ' expect: Boolean False
Show Not Empty                      ' expect: Long -1
Show Not CByte(0)                   ' expect: Byte 255
Show Not CLng(0)                    ' expect: Long -1
Show Not 1.5                        ' expect: Long -3
Show Not "#FALSE#"                  ' expect: Boolean True
Show Not "5"                        ' expect: Long -6
Show Not Null                       ' expect: Null
Show Not Nothing : Caught           ' expect: error 91
Show Not "x" : Caught               ' expect: error 13
