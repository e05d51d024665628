' Select Case compares like =: text against a number literal is compared as numbers, but text
' in a variable against a number in a variable is compared by subtype, and text is greater.
textTen = "10"
Select Case textTen
    Case 10
        MsgBox "number"                 ' expect: number
    Case Else
        MsgBox "else"
End Select

textValue = "10"
numberValue = 10
Select Case textValue
    Case numberValue
        MsgBox "same"
    Case Else
        MsgBox "text is greater"        ' expect: text is greater
End Select
