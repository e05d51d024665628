' Texts grown in place: variables and the unit's scene texts, with tails that read, write,
' share or rename what is being appended to.
Function Key(f)
    Key = Game.OutputLoc(ThisGuy.xPos, 0, ThisGuy.zPos, f)
End Function
Function Sneaky()
    s = "reset"
    ThisGuy.posOutput = ThisGuy.posOutput & "-inner"
    Sneaky = "!"
End Function
Sub Main
    Dim t, f
    s = ""
    For f = 1 To 5
        s = s & "  key " & f & Null
        ThisGuy.posOutput = ThisGuy.posOutput & Key(f) & Sneaky()
        ThisGuy.FaceOutput = ThisGuy.FaceOutput & Game.FacePos(1, 2, 3, f)
        t = s
        s = s & Sneaky() & Len(s)
        Set u = ThisGuy
        u.seqOutput = u.seqOutput & Game.DoSomething("swing", f)
    Next
End Sub
