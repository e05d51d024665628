' Keeps 60 MB texts, one more every pass, in an array: stopped by the memory budget.
ReDim kept(39)
For i = 0 To 39
    kept(i) = String(60000000, "x")
Next
