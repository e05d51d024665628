' RegExp and Dictionary work on units: a pattern may name any unit, a match counts units, a
' key is told apart from another by every unit it holds.
' needs: show.vbs
On Error Resume Next
euro = ChrW(8364)
Set re = New RegExp
re.Pattern = "\u20ac(\d+)"
Set found = re.Execute("pay " & euro & "42 now")
Show found.Count & " " & found(0).FirstIndex & " " & found(0).Length & " " & found(0).SubMatches(0) ' expect: String 1 4 3 42
Show AscW(found(0).Value)                 ' expect: Integer 8364
re.Pattern = "[" & ChrW(960) & "-" & ChrW(969) & "]+"
re.Global = True
Show Len(re.Replace("a" & ChrW(960) & ChrW(961) & "b" & ChrW(969), "*"))   ' expect: Long 4
re.Pattern = "."
Show re.Execute(ChrW(&HD83D) & ChrW(&HDE00)).Count   ' expect: Long 2
re.Pattern = "^" & euro & "$"
Show re.Test(Chr(128))                    ' expect: Boolean True
re.Pattern = "\x80"
Show re.Test(euro)                        ' expect: Boolean False
Show re.Test(ChrW(128))                   ' expect: Boolean True
Set d = CreateObject("Scripting.Dictionary")
d.Add euro, "euro"
d.Add ChrW(960), "pi"
d.Add "?", "question"
Show d.Count                              ' expect: Long 3
Show d(Chr(128))                          ' expect: String euro
Show d.Exists(ChrW(961))                  ' expect: Boolean False
Set t = CreateObject("Scripting.Dictionary")
t.CompareMode = 1
t.Add "A" & euro, 1
t.Add "a" & ChrW(960), 2
Show t.Exists("a" & euro) & " " & t.Count ' expect: String True 2
keys = d.Keys
Show AscW(keys(1))                        ' expect: Integer 960
