' Sqr, Log, Exp and the trigonometric functions answer Double whatever the argument's
' subtype, and refuse what they cannot compute: 5 for a negative root or a zero logarithm.
' needs: show.vbs
On Error Resume Next
Show Sqr(4)              ' expect: Double 2
Show Sqr(2)              ' expect: Double 1.4142135623731
Show Sqr(-1) : Caught    ' expect: error 5
Show Log(1)              ' expect: Double 0
Show Log(0) : Caught     ' expect: error 5
Show Exp(0)              ' expect: Double 1
Show Exp(1000) : Caught  ' expect: error 6
Show Sin(0)              ' expect: Double 0
Show Cos(0)              ' expect: Double 1
Show Tan(0)              ' expect: Double 0
Show Atn(1)              ' expect: Double 0.785398163397448
Show Sqr("9")            ' expect: Double 3
Show Sqr(Null) : Caught  ' expect: error 94
