Dim arr(2)
Sub Touch(e, f)
    On Error Resume Next
    ReDim arr(5)
    Erase arr
    arr = 1
    c = arr
    e = c
    f = arr
End Sub
Touch arr(0), arr(1)
ReDim d(1)
Touch d(0), d(0)
For Each v In d
    Touch d(1), v
Next
