' Never ends on its own: kestrelon-cli vbs --time-limit stops it.
Do
    n = n + 1
Loop
