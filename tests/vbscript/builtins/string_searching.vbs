' InStr, InStrRev and StrComp: 1-based positions with 0 when not found, a start past the
' text finding nothing, the binary (0) and text (1) compare modes, and Null in either place.
' needs: show.vbs
On Error Resume Next
Show InStr("abcd", "cd")                ' expect: Long 3
Show InStr(2.6, "abcd", "bc")           ' expect: Long 0
Show InStr(4, "abcdef", "")             ' expect: Long 4
Show InStr(20, "abcdef", "")            ' expect: Long 0
Show InStr(4, "", "")                   ' expect: Long 0
Show InStr(1, CLng(23456), 45)          ' expect: Long 3
Show InStr(1, "ABC", "b", 1)            ' expect: Long 2
Show InStr(1, "ABC", "b", 0)            ' expect: Long 0
Show InStr(1, "ABC", "b", 2) : Caught   ' expect: error 5
Show InStr(0, "a", "a") : Caught        ' expect: error 5
Show InStr(Null, "a", "a") : Caught     ' expect: error 94
Show InStr("abc", Null)                 ' expect: Null
Show InStr(9, "abc", "c")               ' expect: Long 0
Show InStrRev("abcd", "bc", 2)          ' expect: Long 0
Show InStrRev("abcd", "bc", 3)          ' expect: Long 2
Show InStrRev("abcabc", "bc")           ' expect: Long 5
Show InStrRev("abcd", "", 3)            ' expect: Long 3
Show InStrRev("abcd", "a", 9)           ' expect: Long 0
Show InStrRev("ABCD", "bc", -1, 1)      ' expect: Long 2
Show InStrRev("abcd", "a", 0) : Caught  ' expect: error 5
Show InStrRev(Null, "a") : Caught       ' expect: error 94
Show StrComp("ABC", "abc")              ' expect: Integer -1
Show StrComp("ABC", "abc", 1)           ' expect: Integer 0
Show StrComp("b", "a")                  ' expect: Integer 1
Show StrComp(Empty, "")                 ' expect: Integer 0
Show StrComp(Null, "")                  ' expect: Null
Show StrComp("a", "a", 3) : Caught      ' expect: error 5
