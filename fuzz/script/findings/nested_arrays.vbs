a = 1
For i = 1 To 100000
    a = Array(a)
Next
b = a
ReDim c(2)
c(0) = a
Erase c
