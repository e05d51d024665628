' Rnd must repeat the Windows engine's sequence exactly so seeded scripts behave the same:
' the fresh generator's draws, Rnd(0) repeating the last value (the start value before any
' draw), and a negative argument restarting the generator from that argument.
' needs: show.vbs
On Error Resume Next
start = Rnd(0)
Show TypeName(start)      ' expect: String Single
Show start * 16777216     ' expect: Double 327680
Show Rnd                  ' expect: Single 0.7055475
Show Rnd                  ' expect: Single 0.533424
Show Rnd                  ' expect: Single 0.5795186
Show Rnd                  ' expect: Single 0.2895625
Show Rnd                  ' expect: Single 0.301948
Show Rnd(0)               ' expect: Single 0.301948
Show Rnd(-1)              ' expect: Single 0.224007
first = Rnd(-2)
x = Rnd
Show Rnd(-2) = first      ' expect: Boolean True
Randomize "abc" : Caught  ' expect: error 13
