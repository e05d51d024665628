' For loops: bounds evaluated once as numbers, the counter past the end afterwards, fractional
' and negative steps, the counter changed in the body; For Each in storage order.
For i = 1 To 3 : MsgBox i : Next
' expect: 1
' expect: 2
' expect: 3
MsgBox i
' expect: 4
For i = 3 To 1 Step -1 : MsgBox i : Next
' expect: 3
' expect: 2
' expect: 1
For x = 1 To 2 Step 0.5 : MsgBox x : Next
' expect: 1
' expect: 1.5
' expect: 2
For x = 5 To 3 Step True : MsgBox x : Next
' expect: 5
' expect: 4
' expect: 3
For x = "1" To "2" Step "0.5" : n = n + 1 : Next : MsgBox n
' expect: 3
For x = 1.5 To 1 : MsgBox "never" : Next
MsgBox x
' expect: 1.5
b = 3
For i = 1 To b : b = 10 : c = c + 1 : Next : MsgBox c
' expect: 3
For x = 5 To 8 : MsgBox x : x = x + 1 : Next
' expect: 5
' expect: 7
For x = Empty To 3 : Next : MsgBox x
' expect: 4
For x = 0 To Empty : Next : MsgBox x
' expect: 1
For i = 1 To 10
    If i = 3 Then Exit For
    MsgBox "pass " & i
Next
MsgBox "left at " & i
' expect: pass 1
' expect: pass 2
' expect: left at 3
For i = 1 To 2
    For j = 1 To 5
        If j = 2 Then Exit For
        MsgBox i & "." & j
    Next
Next
' expect: 1.1
' expect: 2.1
arr = Array(10, 20, 30)
For Each v In arr : MsgBox v : Next
' expect: 10
' expect: 20
' expect: 30
Dim m(1, 1)
m(0, 0) = 1 : m(1, 0) = 2 : m(0, 1) = 3 : m(1, 1) = 4
For Each v In m : MsgBox v : Next
' expect: 1
' expect: 2
' expect: 3
' expect: 4
For Each v In arr : v = 0 : Next : MsgBox arr(0)
' expect: 10
Dim d()
For Each v In d : MsgBox "never" : Next
MsgBox "unallocated array: no pass"
' expect: unallocated array: no pass
