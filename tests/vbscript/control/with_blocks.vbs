' With evaluates its object once; ".name" inside is a member of it; With Nothing is fine as
' long as no member is used.
On Error Resume Next
With Err
    .Raise 5
    MsgBox .Number & " " & .Description
    .Clear
    MsgBox .Number & "[" & .Description & "]"
End With
' expect: 5 Invalid procedure call or argument
' expect: 0[]
With Nothing
    MsgBox "With Nothing runs its body"
End With
' expect: With Nothing runs its body
