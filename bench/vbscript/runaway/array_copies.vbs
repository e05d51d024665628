' Every pass copies an array of four million elements by changing a copy of it.
ReDim a(4000000)
Do
    b = a
    b(0) = 1
Loop
