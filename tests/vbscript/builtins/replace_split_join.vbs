' Replace, Split and Join: Replace's result begins at its start position, counts of -1 mean
' all, and Join takes only a one-dimensional array of values it can turn into text.
' needs: show.vbs
On Error Resume Next
Show Replace("xx testxx(xx)", "xx", "!", 2)    ' expect: String x test!(!)
Show Replace("xxxxx", "xx", "y")               ' expect: String yyx
Show Replace("abc", "", "y")                   ' expect: String abc
Show Replace("aAa", "a", "b", 1, -1, 1)        ' expect: String bbb
Show Replace("aAa", "a", "b", 1, 1)            ' expect: String bAa
Show Replace("abc", "b", "x", 1, 0)            ' expect: String abc
Show Replace("abc", "b", "x", 4)               ' expect: String 
Show Replace("abc", "b", "x", 0) : Caught      ' expect: error 5
Show Replace("abc", "b", "x", 1, -2) : Caught  ' expect: error 5
Show Replace(Null, "b", "x") : Caught          ' expect: error 94
Show Split("a,b,,c", ",")                      ' expect: Variant(a|b||c)
Show Split("a b")                              ' expect: Variant(a|b)
Show Split("")                                 ' expect: Variant()
Show Split("a,b,c", ",", 2)                    ' expect: Variant(a|b,c)
Show Split("a,b,c", ",", 0)                    ' expect: Variant()
Show Split("abc", "")                          ' expect: Variant(abc)
Show Split("aXbxc", "x", -1, 1)                ' expect: Variant(a|b|c)
Show Split("a", ",", -2) : Caught              ' expect: error 5
Show Split(Null) : Caught                      ' expect: error 94
Show Join(Array(1, "a", Empty), "-")           ' expect: String 1-a-
Show Join(Array("a", "b"))                     ' expect: String a b
Show Join(Array())                             ' expect: String 
Show Join(Array(Null)) : Caught                ' expect: error 13
Show Join(Array(Array())) : Caught             ' expect: error 13
Show Join(5) : Caught                          ' expect: error 13
Show Join(Null) : Caught                       ' expect: error 94
Show Join(Array("a"), Null) : Caught           ' expect: error 94
ReDim grid(1, 1)
Show Join(grid) : Caught                       ' expect: error 13
