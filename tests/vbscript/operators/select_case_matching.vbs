' A Case item matches when it equals the selector by the comparison rules, its own literal
' form included; an item that cannot be compared with the selector is no match rather than
' an error, but Nothing as the selector still fails.
' needs: show.vbs
On Error Resume Next
Select Case "3" : Case "3" : MsgBox "match" : Case Else : MsgBox "no match" : End Select   ' expect: match
Select Case "3" : Case 3 : MsgBox "match" : Case Else : MsgBox "no match" : End Select     ' expect: match
n3 = 3
Select Case "3" : Case n3 : MsgBox "match" : Case Else : MsgBox "no match" : End Select    ' expect: no match
Select Case 3 : Case "abc" : MsgBox "match" : Case Else : MsgBox "no match" : End Select   ' expect: no match
Select Case Null : Case Null : MsgBox "match" : Case Else : MsgBox "no match" : End Select ' expect: no match
Select Case Empty : Case 0 : MsgBox "match" : Case Else : MsgBox "no match" : End Select   ' expect: match
Select Case Nothing : Case 0 : MsgBox "match" : Case Else : MsgBox "no match" : End Select : Caught ' expect: error 91
