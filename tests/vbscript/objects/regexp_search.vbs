' RegExp searches: Test, Execute with its Matches (Count, Item, For Each), Match objects (Value
' as the default member, FirstIndex from 0, Length, SubMatches), Global, IgnoreCase and
' Multiline. Kept out of the build until New is part of the language.
' needs: show.vbs
Set re = New RegExp
MsgBox TypeName(re)                     ' expect: IRegExp2
MsgBox "[" & re.Pattern & "]"             ' expect: []
Show re.Global                          ' expect: Boolean False
Show re.IgnoreCase                      ' expect: Boolean False
Show re.Multiline                       ' expect: Boolean False

re.Pattern = "\d+"
Show re.Test("abc")                     ' expect: Boolean False
Show re.Test("a12b345")                 ' expect: Boolean True

' Without Global, Execute finds the first match only.
Set found = re.Execute("a12b345")
MsgBox TypeName(found)                  ' expect: IMatchCollection2
Show found.Count                        ' expect: Long 1
MsgBox TypeName(found(0))               ' expect: IMatch2
Show found(0).Value                     ' expect: String 12
Show found.Item(0).FirstIndex           ' expect: Long 1
Show found(0).Length                    ' expect: Long 2
MsgBox found(0)                         ' expect: 12

re.Global = True
Set found = re.Execute("a12b345")
Show found.Count                        ' expect: Long 2
For Each m In found
    MsgBox m.Value & " at " & m.FirstIndex
Next
' expect: 12 at 1
' expect: 345 at 4

' Groups: SubMatches has one item per group, Empty for a group that took no part.
re.Pattern = "(\w+)@(\w+)(\.com)?"
Set found = re.Execute("ann@home bob@work.com")
Show found.Count                        ' expect: Long 2
Set groups = found(0).SubMatches
MsgBox TypeName(groups)                 ' expect: ISubMatches
Show groups.Count                       ' expect: Long 3
Show groups(0)                          ' expect: String ann
Show groups.Item(1)                     ' expect: String home
Show groups(2)                          ' expect: Empty
Show found(1).SubMatches(2)             ' expect: String .com
For Each g In found(1).SubMatches
    MsgBox g
Next
' expect: bob
' expect: work
' expect: .com

' IgnoreCase.
re.Pattern = "kestrel"
re.Global = False
Show re.Test("A KESTREL")               ' expect: Boolean False
re.IgnoreCase = True
Show re.Test("A KESTREL")               ' expect: Boolean True

' Multiline: ^ and $ also match at the ends of each line.
re.Pattern = "^\w+$"
re.IgnoreCase = False
re.Global = True
Show re.Execute("one" & vbLf & "two").Count   ' expect: Long 0
re.Multiline = True
Set found = re.Execute("one" & vbLf & "two")
Show found.Count                        ' expect: Long 2
MsgBox found(0) & " " & found(1).FirstIndex   ' expect: one 4

' An empty match moves the next search one character on.
re.Pattern = "x*"
re.Multiline = False
Set found = re.Execute("axb")
Show found.Count                        ' expect: Long 4
MsgBox found(1) & " " & found(1).FirstIndex & " " & found(2).Length   ' expect: x 1 0
