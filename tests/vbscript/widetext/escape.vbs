' Escape writes a unit up to 255 as %XX and any other as %uXXXX; Unescape gives every unit back.
' needs: show.vbs
euro = ChrW(8364)
Show Escape(euro)                         ' expect: String %u20AC
Show Escape(Chr(128))                     ' expect: String %u20AC
Show Escape("a b" & ChrW(233) & ChrW(&HD83D)) ' expect: String a%20b%E9%uD83D
Show AscW(Unescape("%u20AC"))             ' expect: Integer 8364
Show AscW(Unescape("%uFFFF"))             ' expect: Integer -1
Show AscW(Unescape("%80"))                ' expect: Integer 128
Show Unescape(Escape("x" & euro & ChrW(960) & "y")) = "x" & euro & ChrW(960) & "y" ' expect: Boolean True
Show Len(Unescape("%u20ac%u20"))          ' expect: Long 5
