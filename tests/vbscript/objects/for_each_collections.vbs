' For Each over a host collection walks its elements in order; after a walk that runs to its
' end the loop variable is Empty, after Exit For it keeps the element it held.
' needs: show.vbs
Set d = CreateObject("Scripting.Dictionary")
d.Add "first", 1
d.Add "second", 2
d.Add "third", 3
For Each k In d
    MsgBox k & "=" & d(k)
Next
' expect: first=1
' expect: second=2
' expect: third=3
Show k                                  ' expect: Empty

For Each k In d
    If d(k) = 2 Then Exit For
Next
Show k                                  ' expect: String second

' Keys and Items are arrays; after a walk over an array the variable keeps the last element.
For Each v In d.Items
    total = total + v
Next
MsgBox total                            ' expect: 6
Show v                                  ' expect: Integer 3

' An empty dictionary walks nothing.
Set e = CreateObject("Scripting.Dictionary")
For Each k In e
    MsgBox "never"
Next
MsgBox "done"                           ' expect: done

' Walks nest, and a procedure can walk a dictionary it is given.
Function Joined(dictionary)
    Dim key, text
    For Each key In dictionary
        text = text & key
    Next
    Joined = text
End Function
For Each outer In d
    line = ""
    For Each inner In d
        If inner <> outer Then line = line & Left(inner, 1)
    Next
    MsgBox outer & ":" & line
Next
' expect: first:st
' expect: second:ft
' expect: third:fs
MsgBox Joined(d)                        ' expect: firstsecondthird

' An object that is no collection.
On Error Resume Next
For Each x In 42
Next
MsgBox Err.Number                       ' expect: 451
