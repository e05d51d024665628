' The byte functions read a text as two bytes a unit, low byte first, with 1-based byte
' positions. A text holds whole units: a result of an odd number of bytes keeps its last byte as
' one unit of that byte's value, so LenB(ChrB(65)) is 2 here where Windows counts 1.
' needs: show.vbs
On Error Resume Next
Show LenB("abc")                       ' expect: Long 6
Show LenB(ChrW(8364))                  ' expect: Long 2
Show LenB(12)                          ' expect: Long 4
Show LenB(Null)                        ' expect: Null
Show LenB(ChrB(65))                    ' expect: Long 2
Show AscB("A")                         ' expect: Byte 65
Show AscB(ChrW(8364))                  ' expect: Byte 172
Show AscB("") : Caught                 ' expect: error 5
Show AscB(Null) : Caught               ' expect: error 94
Show ChrB(65)                          ' expect: String A
Show AscW(ChrB(200))                   ' expect: Integer 200
Show ChrB(256) : Caught                ' expect: error 6
Show ChrB(-1) : Caught                 ' expect: error 6
Show ChrB(Null) : Caught               ' expect: error 94
Show LeftB("abc", 2)                   ' expect: String a
Show LeftB("abc", 1)                   ' expect: String a
Show LeftB("abc", 99)                  ' expect: String abc
Show LeftB(Null, 1)                    ' expect: Null
Show LeftB("abc", -1) : Caught         ' expect: error 5
Show LeftB(Null, Null) : Caught        ' expect: error 94
Show RightB("abc", 2)                  ' expect: String c
Show RightB(Null, 2)                   ' expect: Null
Show MidB("abc", 3, 2)                 ' expect: String b
Show AscW(MidB("abc", 2, 2))           ' expect: Integer 25088
Show MidB("abc", 5)                    ' expect: String c
Show MidB("abc", 7)                    ' expect: String 
Show MidB(Null, 1)                     ' expect: Null
Show MidB("abc", 0) : Caught           ' expect: error 5
Show MidB("abc", 1, Null) : Caught     ' expect: error 94
Show InStrB("abc", "b")                ' expect: Long 3
Show InStrB("abc", "c")                ' expect: Long 5
Show InStrB(ChrW(&H4100) & ChrW(0), "A")  ' expect: Long 2
Show InStrB(2, "abc", "a")             ' expect: Long 0
Show InStrB(3, "abc", "b")             ' expect: Long 3
Show InStrB("abc", "")                 ' expect: Long 1
Show InStrB(1, "ABC", "b", 1)          ' expect: Long 3
Show InStrB(Null, "a")                 ' expect: Null
Show InStrB(0, "a", "a") : Caught      ' expect: error 5
Show LenB(ChrB(65) & ChrB(66))         ' expect: Long 4
