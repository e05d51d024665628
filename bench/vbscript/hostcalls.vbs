' Calls of a host object's methods and property, by its name and without a prefix.
total = 0
dsum = 0
For i = 1 To 5000000
    total = total + Bench.Add(i Mod 100, 1)
    dsum = dsum + Distance(0, 0, 3, i Mod 5)
Next
Bench.Counter = total Mod 30000
MsgBox total & " " & Int(dsum) & " " & Counter
