' Filter keeps the elements whose text holds the match (or, with include False, those that do
' not) in a new zero-based array of Strings; Escape writes every character but letters, digits
' and @*_+-./ as %XX, Unescape reads %XX and %uXXXX back; RGB packs a colour into a Long,
' parts past 255 counting as 255.
' needs: show.vbs
On Error Resume Next
fruit = Array("apple", "Banana", "cherry", "banana split")
Show Filter(fruit, "an")                        ' expect: Variant(Banana|banana split)
Show Filter(fruit, "an", False)                 ' expect: Variant(apple|cherry)
Show Filter(fruit, "BAN", True, vbTextCompare)  ' expect: Variant(Banana|banana split)
Show Filter(fruit, "BAN", True, vbBinaryCompare)  ' expect: Variant()
Show UBound(Filter(fruit, "kiwi"))              ' expect: Long -1
Show Filter(fruit, "")                          ' expect: Variant(apple|Banana|cherry|banana split)
Show Filter(fruit, "", False)                   ' expect: Variant()
Show Filter(Array(10, 25, 100), "0")            ' expect: Variant(10|100)
Show Filter(Array(10, 25, 100), 0)(1)           ' expect: String 100
Show Filter(Array(True, False), "r")            ' expect: Variant(True)
kept = Filter(fruit, "e")
kept(0) = "pear"
Show fruit(0)                                   ' expect: String apple
Show Filter("apple", "p") : Caught              ' expect: error 13
Show Filter(42, "p") : Caught                   ' expect: error 13
Show Filter(fruit, "a", True, 2) : Caught       ' expect: error 5
Show Filter(fruit) : Caught                     ' expect: error 450

Show Escape("Hello, World!")                    ' expect: String Hello%2C%20World%21
Show Escape("a-b_c.d/e@f*g+h")                  ' expect: String a-b_c.d/e@f*g+h
Show Escape("100%" & Chr(10) & Chr(200))        ' expect: String 100%25%0A%C8
Show Escape(12.5)                               ' expect: String 12.5
Show Escape("")                                 ' expect: String 
Show Escape(Null)                               ' expect: Null
Show Unescape("Hello%2C%20World%21")            ' expect: String Hello, World!
Show Unescape("%u0041%u0062c")                  ' expect: String Abc
Show Unescape("100%" & "25 and 50%")            ' expect: String 100% and 50%
Show Unescape("%zz%4")                          ' expect: String %zz%4
Show Unescape(Escape("a b;c=d&e"))              ' expect: String a b;c=d&e
Show Asc(Unescape("%C8"))                       ' expect: Integer 200
Show Unescape(Null)                             ' expect: Null

Show RGB(0, &h1f&, &hf1&) = &hf11f00&           ' expect: Boolean True
Show RGB(&hef&, &hab&, &hcd&) = &hcdabef&       ' expect: Boolean True
Show RGB(&h1&, &h100&, &h111&) = &hffff01&      ' expect: Boolean True
Show RGB(255, 255, 255)                         ' expect: Long 16777215
Show RGB(1, 2, 3)                               ' expect: Long 197121
Show RGB(0, 0, 0)                               ' expect: Long 0
Show RGB(1.5, 0, 0)                             ' expect: Long 2
Show RGB("16", 0, 0)                            ' expect: Long 16
Show RGB(-1, &h1e&, &h3b&) : Caught             ' expect: error 5
Show RGB(&h4d&, -2, &h2f&) : Caught             ' expect: error 5
Show RGB(1, 2, Null) : Caught                   ' expect: error 94
