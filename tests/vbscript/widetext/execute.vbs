' The code text of Execute, ExecuteGlobal and Eval is a script text: a unit the 1252 code page
' has no byte for keeps itself inside a string literal, and a name reads the same as in the
' script's own file.
' needs: show.vbs
On Error Resume Next
Execute "x = """ & ChrW(960) & """"
Show AscW(x)                                           ' expect: Integer 960
ExecuteGlobal "Function Marks() : Marks = """ & ChrW(960) & ChrW(8364) & """ : End Function"
Show AscW(Mid(Marks(), 2))                             ' expect: Integer 8364
Show Len(Eval("""" & ChrW(&HD83D) & ChrW(&HDE00) & """"))   ' expect: Long 2
Show AscW(Eval("""" & ChrW(&HDE00) & """"))            ' expect: Integer -8704
Show AscW(Eval("""" & ChrW(128) & """"))               ' expect: Integer 128
Show AscW(Eval("""" & Chr(128) & """"))                ' expect: Integer 8364
Show AscW(Eval("""" & ChrW(65535) & """ & ""a"""))     ' expect: Integer -1
Show Eval("""" & ChrW(233) & """") = ChrW(233)         ' expect: Boolean True
Execute "[caf" & ChrW(233) & "] = 5"
Show Eval("[caf" & Chr(233) & "] + 1")                 ' expect: Integer 6
Execute "y = 1 " & ChrW(960) : Caught                  ' expect: error 1032
