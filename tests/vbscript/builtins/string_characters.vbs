' LCase, UCase, the trims (spaces only, never tabs), StrReverse, and the character functions
' Asc, Chr, ChrW, Hex and Oct: Hex and Oct use 16 bits for an Integer and 32 for a Long.
' needs: show.vbs
On Error Resume Next
Show LCase("AbC1")               ' expect: String abc1
Show UCase("AbC1")               ' expect: String ABC1
Show UCase(Null)                 ' expect: Null
Show Trim("  a b  ")             ' expect: String a b
Show LTrim("  a  ")              ' expect: String a  
Show RTrim("  a  ")              ' expect: String   a
Show Trim(vbTab & "a" & vbTab)   ' expect: String 	a	
Show Trim(Null)                  ' expect: Null
Show StrReverse("abc")           ' expect: String cba
Show StrReverse(Null) : Caught   ' expect: error 94
Show Asc("A")                    ' expect: Integer 65
Show Asc(Chr(233))               ' expect: Integer 233
Show Asc("") : Caught            ' expect: error 5
Show Asc(Empty) : Caught         ' expect: error 5
Show Asc(Null) : Caught          ' expect: error 94
Show AscW("a")                   ' expect: Integer 97
Show Chr(65)                     ' expect: String A
Show Chr(119.5)                  ' expect: String x
Show Chr(256) : Caught           ' expect: error 5
Show Chr(-1) : Caught            ' expect: error 5
Show ChrW(66)                    ' expect: String B
Show ChrW(CLng(65535))           ' expect: String ?
Show ChrW(CLng(65536)) : Caught  ' expect: error 5
Show Hex(-1)                     ' expect: String FFFF
Show Hex(-16)                    ' expect: String FFF0
Show Hex(CLng(-32768))           ' expect: String FFFF8000
Show Hex(CLng(-559038737))       ' expect: String DEADBEEF
Show Hex(Empty)                  ' expect: String 0
Show Hex("17")                   ' expect: String 11
Show Hex(228.5)                  ' expect: String E4
Show Hex(2147483647.5) : Caught  ' expect: error 6
Show Hex("abc") : Caught         ' expect: error 13
Show Hex(Null)                   ' expect: Null
Show Oct(-1)                     ' expect: String 177777
Show Oct(8.5)                    ' expect: String 10
Show Oct(9.5)                    ' expect: String 12
Show Oct(CLng(-32768))           ' expect: String 37777700000
