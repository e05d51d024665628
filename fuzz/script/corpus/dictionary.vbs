' A dictionary as a turn's memory: keys of every kind, items replaced and renamed, a walk
' over the keys that changes the dictionary as it goes, and the errors of missing keys.
Sub Main
    Dim seen, k, total
    Set seen = CreateObject("Scripting.Dictionary")
    seen.CompareMode = vbTextCompare
    seen.Add "Self", ThisGuy
    seen.Add 1, Empty
    seen(1.0) = Game.WhoClosest(ThisGuy.xPos, ThisGuy.yPos, ThisGuy.zPos, 2)
    seen(#1/1/2000#) = Array(1, 2)
    Set seen(ThisGuy) = seen("self")
    seen.Key(1) = "closest"
    For Each k In seen
        If Not IsObject(k) Then total = total & TypeName(seen(k))
        seen.Remove k
        seen("again " & TypeName(k)) = Len(total)
    Next
    On Error Resume Next
    seen.Remove "missing"
    seen.Add "again string", 0
    seen.CompareMode = 0
    ThisGuy.SetMiscData 1, Join(seen.Keys, ",") & seen.Count & Err.Number
    seen.RemoveAll
End Sub
