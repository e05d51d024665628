' Every pass builds 60 MB texts and throws them away: few passes, each of them expensive.
Do
    s = String(60000000, "x")
    t = UCase(s)
Loop
