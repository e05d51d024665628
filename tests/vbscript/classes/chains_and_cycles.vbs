' Instances that refer to each other, and a chain of instances far longer than any call
' nesting, are let go of without exhausting the stack or leaking: a chain goes one instance
' after the other, and a cycle is freed when the script level is cleared.
Class Link
    Public NextLink
    Public Value
End Class
Set head = Nothing
For i = 1 To 200000
    Set node = New Link
    node.Value = i
    Set node.NextLink = head
    Set head = node
Next
MsgBox head.Value & " " & head.NextLink.Value      ' expect: 200000 199999
Set node = Nothing
Set head = Nothing
MsgBox "chain gone"                                ' expect: chain gone
Set a = New Link
Set b = New Link
Set a.NextLink = b
Set b.NextLink = a
MsgBox a.NextLink.NextLink Is a                    ' expect: True
