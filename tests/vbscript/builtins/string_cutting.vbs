' Len, Left, Right, Mid, Space and String: counts and positions rounded half to even,
' invalid ones raising 5, and Null passing through where VBScript passes it, 94 elsewhere.
' needs: show.vbs
On Error Resume Next
Show Len("abc")                        ' expect: Long 3
Show Len(1)                            ' expect: Long 1
Show Len(1 / 3)                        ' expect: Long 17
Show Len(Empty)                        ' expect: Long 0
Show Len(Null)                         ' expect: Null
Show Left("123456", 2.5)               ' expect: String 12
Show Left("ab", 5)                     ' expect: String ab
Show Left(Null, 3)                     ' expect: Null
Show Left("ab", -1) : Caught           ' expect: error 5
Show Left("ab", Null) : Caught         ' expect: error 94
Show Right("abc", 2)                   ' expect: String bc
Show Right("abc", 5)                   ' expect: String abc
Show Right(12345, 2)                   ' expect: String 45
Show Mid("test", 2, 4)                 ' expect: String est
Show Mid("abc", 2)                     ' expect: String bc
Show Mid("abc", 5)                     ' expect: String 
Show Mid("abc", 0, 1) : Caught         ' expect: error 5
Show Mid("abc", 1, -1) : Caught        ' expect: error 5
Show Mid(Null, 1)                      ' expect: Null
Show Space(4.5)                        ' expect: String     
Show Space(5.5)                        ' expect: String       
Show Space(-1) : Caught                ' expect: error 5
Show Space(Null) : Caught              ' expect: error 94
Show Space(CLng(2000000000)) : Caught  ' expect: error 7
Show String(3, "ab")                   ' expect: String aaa
Show String(2, 65)                     ' expect: String AA
Show String(3, "") : Caught            ' expect: error 5
Show String(-1, "a") : Caught          ' expect: error 5
Show String(2, 256) : Caught           ' expect: error 5
Show String(2, Null)                   ' expect: Null
