' Wide texts through the unit's texts: units beyond 1252 and surrogate halves joined, cut and
' searched by units and by bytes, taken through Escape, Execute and a RegExp, and written back
' to the scene text, where what 1252 lacks becomes "?".
Sub Main
    Dim text, wide, re, i
    wide = ChrW(8364) & ChrW(&HD83D) & ChrW(&HDE00) & ChrW(-1) & Chr(128) & ChrB(65)
    text = ThisGuy.posOutput & wide
    For i = 1 To Len(text) Step 3
        text = text & AscW(Mid(text, i, 1)) & Asc(Mid(text, i, 1)) & AscB(MidB(text, i, 2))
    Next
    text = text & LenB(text) & InStrB(text, ChrB(0)) & InStr(text, ChrW(&HDE00)) & LeftB(text, 3) & RightB(text, 5)
    text = Unescape(Escape(text)) & StrReverse(wide) & UCase(wide) & String(2, ChrW(960))
    Execute "text = text & """ & ChrW(960) & """"
    Set re = New RegExp
    re.Pattern = "[\u20ac\uD83D-\uDFFF]+"
    re.Global = True
    ThisGuy.posOutput = re.Replace(text, "<$&>") & Split(text, ChrW(8364))(0)
End Sub
