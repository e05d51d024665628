' Characters 128 to 255 of Chr and Asc follow the Windows code page 1252: Chr(128) is the euro
' sign. A unit the code page has no byte for reads back as "?" (63) in Asc and in what leaves
' the script, such as a message box; the five bytes 1252 leaves undefined keep their own number.
' needs: show.vbs
On Error Resume Next
Show AscW(Chr(128))                 ' expect: Integer 8364
Show Asc(ChrW(8364))                ' expect: Integer 128
Show Chr(128) = ChrW(8364)          ' expect: Boolean True
Show AscW(Chr(150))                 ' expect: Integer 8211
Show AscW(Chr(159))                 ' expect: Integer 376
Show AscW(Chr(233))                 ' expect: Integer 233
Show Asc(ChrW(233))                 ' expect: Integer 233
Show Asc(ChrW(960))                 ' expect: Integer 63
Show Asc(ChrW(128))                 ' expect: Integer 63
Show AscW(Chr(129)) & " " & AscW(Chr(141)) & " " & AscW(Chr(143)) & " " & AscW(Chr(144)) & " " & AscW(Chr(157)) ' expect: String 129 141 143 144 157
Show Asc(Chr(129)) & " " & Asc(Chr(157))   ' expect: String 129 157
Show AscW(String(2, 128))           ' expect: Integer 8364
' Every byte comes back from its unit.
bad = 0
For code = 0 To 255
    If Asc(Chr(code)) <> code Then bad = bad + 1
Next
Show bad                            ' expect: Integer 0
' A literal of the script file is read as 1252: the byte 0x80 between these quotes is the euro.
Show AscW("€")                     ' expect: Integer 8364
MsgBox "pi " & ChrW(960) & " euro " & ChrW(8364)  ' expect: pi ? euro €
