Function R(n)
    R = R(n + 1) & ((((((n))))))
End Function
On Error Resume Next
x = R(1)
Sub Main
    Main
End Sub
