' Array work: a sieve of Eratosthenes and a pass summing an array.
Const Limit = 2000000
Dim sieve(2000000)
count = 0
For i = 2 To Limit
    If Not sieve(i) Then
        count = count + 1
        For j = i * 2 To Limit Step i
            sieve(j) = True
        Next
    End If
Next
Dim values(1000000)
For i = 0 To 1000000
    values(i) = (i * 7) Mod 1000
Next
total = 0
For i = 0 To 1000000
    total = total + values(i)
Next
MsgBox count & " " & total
