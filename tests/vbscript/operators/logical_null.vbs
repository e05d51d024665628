' A logical operator with Null answers Null only when the other side does not decide the
' result on its own: False And Null is False, True Or Null is True, and Imp is True when the
' premise is False or the conclusion True.
' needs: show.vbs
On Error Resume Next
Show True And Null                  ' expect: Null
Show False And Null                 ' expect: Boolean False
Show Null And False                 ' expect: Boolean False
Show True Or Null                   ' expect: Boolean True
Show False Or Null                  ' expect: Null
Show False Xor Null                 ' expect: Null
Show False Eqv Null                 ' expect: Null
Show False Imp Null                 ' expect: Boolean True
Show True Imp Null                  ' expect: Null
Show Null Imp True                  ' expect: Boolean True
Show Null Imp False                 ' expect: Null
Show CInt(0) And Null               ' expect: Integer 0
Show CInt(5) And Null               ' expect: Null
Show CByte(0) Imp Null              ' expect: Byte 255
Show Null And Null                  ' expect: Null
