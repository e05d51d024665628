' Texts hold UTF-16 code units: ChrW and AscW keep any 16-bit code, and every text function
' counts and cuts units, a surrogate pair being two of them.
' needs: show.vbs
On Error Resume Next
euro = ChrW(8364)
Show AscW(euro)                           ' expect: Integer 8364
Show AscW(ChrW(65535))                    ' expect: Integer -1
Show AscW(ChrW(32768))                    ' expect: Integer -32768
Show ChrW(-1) = ChrW(65535)               ' expect: Boolean True
Show AscW(ChrW(-32768))                   ' expect: Integer -32768
Show ChrW(-32769) : Caught                ' expect: error 5
Show Len(euro & "a")                      ' expect: Long 2
pair = ChrW(&HD83D) & ChrW(&HDE00)
Show Len(pair)                            ' expect: Long 2
Show AscW(Right(pair, 1))                 ' expect: Integer -8704
Show AscW(Mid("a" & euro & "b", 2, 1))    ' expect: Integer 8364
Show Left(euro & "xy", 2) = euro & "x"    ' expect: Boolean True
Show InStr("ab" & euro & "c", "c")        ' expect: Long 4
Show InStr("ab" & euro & "c", euro)       ' expect: Long 3
Show InStrRev(euro & "a" & euro, euro)    ' expect: Long 3
' A unit whose bytes hold another's high and low bytes is no match for it.
shifted = ChrW(&H4100) & ChrW(&H4100) & ChrW(0)
Show InStr(shifted, "AA")                 ' expect: Long 0
Show InStr(shifted & "AA", "AA")          ' expect: Long 4
Show InStrRev("AA" & shifted, "AA")       ' expect: Long 1
Show AscW(Replace("a-b", "-", euro, 1))   ' expect: Integer 97
Show Len(Replace("a-b-c", "-", pair))     ' expect: Long 7
Show AscW(StrReverse(pair))               ' expect: Integer -8704
parts = Split("x" & euro & "y" & euro & "z", euro)
Show UBound(parts) & " " & parts(2)       ' expect: String 2 z
Show Len(Join(Array(euro, pair), euro))   ' expect: Long 4
Show StrComp(ChrW(256), "z")              ' expect: Integer 1
Show StrComp(euro, ChrW(255), 1)          ' expect: Integer 1
Show ChrW(256) > "z"                      ' expect: Boolean True
Show euro & 1 = ChrW(8364) & "1"          ' expect: Boolean True
Show AscW(euro + "!")                     ' expect: Integer 8364
Show Len(Space(3) & euro & Space(2))      ' expect: Long 6
Show AscW(Trim("  " & euro & "  "))       ' expect: Integer 8364
Show Len(String(4, euro))                 ' expect: Long 4
Show AscW(String(2, ChrW(960)))           ' expect: Integer 960
' Case changes the ASCII letters only.
Show AscW(UCase(ChrW(&H3C0)))             ' expect: Integer 960
Show AscW(LCase(ChrW(&H100)))             ' expect: Integer 256
Show UCase("a" & euro) = "A" & euro       ' expect: Boolean True
kept = Filter(Array("a" & euro, "b", euro), euro)
Show UBound(kept) & " " & Len(kept(0))    ' expect: String 1 2
Show Len(CStr(euro))                      ' expect: Long 1
Show VarType(euro)                        ' expect: Integer 8
