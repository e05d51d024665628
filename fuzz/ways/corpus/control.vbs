Option Explicit
Dim i, s, a(3), d()
For i = 0 To 3 Step 1 : a(i) = i * 2 : Next
For Each s In a
    Select Case s
        Case 0, 2 : s = s & "x"
        Case Else
            Do While s > 0 : s = s - 1 : Loop
    End Select
Next
ReDim d(2) : ReDim Preserve d(4) : Erase d
While i > 0 : i = i - 1 : Wend
If i = 0 Then MsgBox "zero" Else MsgBox "other" End If
