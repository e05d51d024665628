' Int, Fix, Round, Abs and Sgn with the subtypes they keep; Rnd from a fresh engine repeats
' the Windows sequence.
MsgBox Int(-1.99) & " " & Fix(-1.99) & " " & Int(-2.5) & " " & Fix(-2.5)
' expect: -2 -1 -3 -2
MsgBox TypeName(Int(True)) & " " & TypeName(Int("2.5")) & " " & TypeName(Int(CLng(3)))
' expect: Integer Double Long
MsgBox Round(3.5) & " " & Round(-3.5) & " " & Round(2.5) & " " & Round(1.2345, 2)
' expect: 4 -4 2 1.23
MsgBox TypeName(Round("2")) & " " & TypeName(Round(5)) & " " & TypeName(Round(True))
' expect: Double Integer Boolean
MsgBox Abs(-32769) & " " & TypeName(Abs(-32769)) & " " & Abs(True) & " " & TypeName(Abs("-2"))
' expect: 32769 Long 1 Double
MsgBox Sgn(True) & " " & Sgn("-1") & " " & Sgn(0.5) & " " & TypeName(Sgn(2.5))
' expect: -1 -1 1 Integer
MsgBox Sqr(16) & " " & Exp(0) & " " & Log(1) & " " & Atn(1) * 4
' expect: 4 1 0 3.14159265358979
MsgBox Rnd & " " & Rnd & " " & Rnd & " " & Rnd & " " & Rnd
' expect: 0.7055475 0.533424 0.5795186 0.2895625 0.301948
MsgBox Rnd(0)
' expect: 0.301948
MsgBox Rnd(-1) & " " & (Rnd(-2) = Rnd(-2))
' expect: 0.224007 True
On Error Resume Next
x = Sqr(-1)
MsgBox Err.Number & " " & Err.Description
' expect: 5 Invalid procedure call or argument
Err.Clear
x = Log(0)
MsgBox Err.Number
' expect: 5
