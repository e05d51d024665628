' Instances in arrays, as arguments (ByRef and ByVal), as results, and in With blocks.
Class Unit
    Public Name
    Public Life
End Class
Function MakeUnit(name, life)
    Set MakeUnit = New Unit
    MakeUnit.Name = name
    MakeUnit.Life = life
End Function
Sub Wound(u, damage)
    u.Life = u.Life - damage
End Sub
Sub Replace(u)
    Set u = MakeUnit("replacement", 1)
End Sub
Sub Keep(ByVal u)
    Set u = Nothing
End Sub

Dim army(2)
For i = 0 To 2
    Set army(i) = MakeUnit("unit" & i, 10 * (i + 1))
Next
Wound army(1), 5
MsgBox army(1).Name & " " & army(1).Life     ' expect: unit1 15
total = 0
For Each u In army
    total = total + u.Life
Next
MsgBox total                                   ' expect: 55
Set first = army(0)
Replace first
MsgBox first.Name & " " & army(0).Name         ' expect: replacement unit0
Keep army(2)
MsgBox TypeName(army(2))                       ' expect: Unit
With army(2)
    .Life = .Life + 1
    MsgBox .Name & " " & .Life                 ' expect: unit2 31
End With
With New Unit
    .Name = "temporary"
    MsgBox .Name                               ' expect: temporary
End With
