' Names and keywords in any case, bracketed names, comments, colons and line continuations.
DIM myVar : myvar = 5 : MsgBox MYVAR
' expect: 5
Dim [my var] : [my var] = "spaced" : MsgBox [my var]
' expect: spaced
Dim [dim] : [dim] = 99 : MsgBox [DIM]
' expect: 99
x =_
   3
MsgBox x
' expect: 3
MsgBox "a" & _
  "b" _
  & "c"
' expect: abc
y = 1 : Rem a note that is not code: MsgBox "no"
MsgBox y
' expect: 1
: : z = 2 ::
MsgBox z
' expect: 2
MsgBox "quote "" inside"
' expect: quote " inside
MsgBox "x" &hi
' expect: x
MsgBox &h01or&h02
' expect: 3
MsgBox (1 =< 2) & " " & (2 >< 3) & " " & (3 => 3)
' expect: True True True
MsgBox "tab" & vbTab & "end" = "tab	end"
' expect: True
