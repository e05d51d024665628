' Indexing: an element that is itself an array is indexed again in the same expression, and a
' fractional index rounds half to even like CLng, so 0.5 is 0 and 1.5 is 2.
nested = Array(Array(1, 2), 3)
MsgBox nested(0)(1) & nested(1)         ' expect: 23

tens = Array(10, 20, 30)
MsgBox tens(0.5) & tens(1.5)            ' expect: 1030
