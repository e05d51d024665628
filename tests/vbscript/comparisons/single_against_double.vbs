' A Single compared with a Double is compared in single precision: the Double is narrowed to
' a Single first, so a Single equals the Double it was made from. Whole numbers and two
' Doubles keep comparing exactly. Select Case compares its items the same way.
' needs: show.vbs
Show CSng(0.001 * 0.001) = 0.000001     ' expect: Boolean True
Show 0.000001 = CSng(0.001 * 0.001)     ' expect: Boolean True
Show CSng(0.1) = 0.1                    ' expect: Boolean True
Show CSng(0.1) <> 0.1                   ' expect: Boolean False
Show CSng(0.1) < 0.1                    ' expect: Boolean False
Show CSng(0.1) > 0.1                    ' expect: Boolean False
Show CSng(0.1) < 0.2                    ' expect: Boolean True
Show CDbl(CSng(0.1)) = 0.1              ' expect: Boolean False
Show 0.1 = CSng(0.1) And 0.1 = CDbl(CSng(0.1))  ' expect: Boolean False
x = CSng(0.1)
Select Case 0.1
    Case x: MsgBox "single case"        ' expect: single case
    Case Else: MsgBox "no case"
End Select
