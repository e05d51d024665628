' Regular expressions over the unit's texts: groups, global replacement with group references,
' an empty match, a bad pattern under Resume Next, and a pattern that backtracks without end.
Sub Main
    Dim re, m, g, text
    Set re = New RegExp
    re.Pattern = "(\d+)[.,](\d*)|^$|x*"
    re.Global = True
    re.IgnoreCase = True
    re.Multiline = True
    text = ThisGuy.posOutput & vbCrLf & Game.OutputLoc(1.5, 2, 3, 4)
    For Each m In re.Execute(text)
        For Each g In m.SubMatches
            text = text & m.FirstIndex & m.Length & g
        Next
    Next
    ThisGuy.posOutput = re.Replace(text, "$2$1$&$`$'$$")
    On Error Resume Next
    re.Pattern = "[z-a]("
    re.Test text
    re.Pattern = "(a+)+$"
    re.Test String(40, "a") & "!"
End Sub
