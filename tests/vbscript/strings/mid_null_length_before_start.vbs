' Mid refuses a Null length (94) before it reads the start, so even a start that is no number
' or is out of range reports the Null; a Null text with a valid start and length gives Null.
' needs: show.vbs
On Error Resume Next
Show Mid("test", "a", Null) : Caught    ' expect: error 94
Show Mid("test", 0, Null) : Caught      ' expect: error 94
Show Mid("test", -1, Null) : Caught     ' expect: error 94
Show Mid("test", Null, 2) : Caught      ' expect: error 94
Show Mid("test", "a", 1) : Caught       ' expect: error 13
Show Mid("test", 0, -1) : Caught        ' expect: error 5
Show Mid(Null, -1, -1) : Caught         ' expect: error 5
Show Mid(Null, 1, 2)                    ' expect: Null
Show Mid("test", 2, 2)                  ' expect: String es
