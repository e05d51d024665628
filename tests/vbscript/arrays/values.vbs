' Arrays are values: assignment copies them, Erase empties a fixed array and frees a dynamic
' one, For Each walks the elements with the first index varying fastest.
a = Array(1, 2, 3)
b = a
b(0) = 9
MsgBox a(0) & " " & b(0)
' expect: 1 9
Dim grid(1, 2)
For y = 0 To 2
    For x = 0 To 1
        grid(x, y) = x + y * 2
    Next
Next
s = ""
For Each v In grid
    s = s & v
Next
MsgBox s
' expect: 012345
Dim fixedList(2)
fixedList(1) = "x"
Erase fixedList
MsgBox UBound(fixedList) & " [" & fixedList(1) & "]"
' expect: 2 []
ReDim dynamicList(2)
Erase dynamicList
On Error Resume Next
x = dynamicList(0)
MsgBox Err.Number
' expect: 9
On Error GoTo 0
nested = Array(Array(1, 2), Array(3, 4))
MsgBox nested(1)(0) & " " & UBound(nested(0))
' expect: 3 1
MsgBox Join(Array("a", "b"), "") = "ab"
' expect: True
