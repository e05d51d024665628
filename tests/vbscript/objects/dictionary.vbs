' Scripting.Dictionary, the one object CreateObject makes: Add, Item as the default member
' (reading a missing key adds it with Empty), Exists, Remove, RemoveAll, Keys and Items in the
' order keys were added, Count, CompareMode and renaming a key with Key.
' needs: show.vbs
Set d = CreateObject("Scripting.Dictionary")
MsgBox TypeName(d)                      ' expect: Dictionary
MsgBox VarType(d)                       ' expect: 9
Show d.Count                            ' expect: Long 0
d.Add "apple", 1
d.Add "pear", "two"
d.Add 3, 3.5
Show d.Count                            ' expect: Long 3
Show d("apple")                         ' expect: Integer 1
Show d.Item("pear")                     ' expect: String two
Show d(3)                               ' expect: Double 3.5

' d(key) = value and d.Item(key) = value replace an item, or add the key at the end.
d("apple") = 10
d.Item("pear") = "TWO"
d("plum") = True
Show d("apple")                         ' expect: Integer 10
Show d("pear")                          ' expect: String TWO
Show d.Keys                             ' expect: Variant(apple|pear|3|plum)
Show d.Items                            ' expect: Variant(10|TWO|3.5|True)
MsgBox d.Keys()(1) & " " & d.Items()(3) ' expect: pear True
Show UBound(d.Keys)                     ' expect: Long 3

' A procedure given the dictionary assigns through its default member the same way.
Sub Store(target, key, value)
    target(key) = value
End Sub
Store d, "apple", 11
Show d("apple")                         ' expect: Integer 11

' Reading a missing key adds it with Empty; Exists does not.
Show d("fig")                           ' expect: Empty
Show d.Count                            ' expect: Long 5
Show d.Exists("fig")                    ' expect: Boolean True
Show d.Exists("kiwi")                   ' expect: Boolean False
Show d.Count                            ' expect: Long 5

' Texts and numbers are different keys; numbers of any subtype with one value are one key.
Set n = CreateObject("Scripting.Dictionary")
n.Add 1, "one"
Show n.Exists("1")                      ' expect: Boolean False
Show n.Exists(1.0)                      ' expect: Boolean True
Show n.Exists(CLng(1))                  ' expect: Boolean True
Show n(CDbl(1))                         ' expect: String one
n.Add 0, "zero"
Show n.Exists(CSng(0))                  ' expect: Boolean True

' Remove and RemoveAll.
d.Remove "pear"
Show d.Keys                             ' expect: Variant(apple|3|plum|fig)
d.RemoveAll
Show d.Count                            ' expect: Long 0
Show UBound(d.Keys)                     ' expect: Long -1

' Binary compare by default; text compare matches keys without regard to case.
Set b = CreateObject("Scripting.Dictionary")
Show b.CompareMode                      ' expect: Long 0
b.Add "Key", 1
Show b.Exists("KEY")                    ' expect: Boolean False
Set t = CreateObject("Scripting.Dictionary")
t.CompareMode = vbTextCompare
Show t.CompareMode                      ' expect: Long 1
t.Add "Key", 1
Show t.Exists("KEY")                    ' expect: Boolean True
t("kEY") = 2
Show t.Count                            ' expect: Long 1
Show t.Keys                             ' expect: Variant(Key)
Show t("key")                           ' expect: Integer 2

' The compare mode is not checked: any mode is kept as given.
Set m = CreateObject("Scripting.Dictionary")
m.CompareMode = 10
Show m.CompareMode                      ' expect: Long 10

' Key(old) = new renames a key; its item stays with it.
Set r = CreateObject("Scripting.Dictionary")
r.Add "old", "item"
r.Key("old") = "new"
Show r.Exists("old")                    ' expect: Boolean False
Show r("new")                           ' expect: String item
Show r.Count                            ' expect: Long 1

' Objects are items as they are, and keys by identity.
Set inner = CreateObject("Scripting.Dictionary")
Set other = CreateObject("Scripting.Dictionary")
inner.Add "x", 42
Set holder = CreateObject("Scripting.Dictionary")
holder.Add "inner", inner
holder.Add inner, "by object"
Show holder("inner")("x")               ' expect: Integer 42
Show holder(inner)                      ' expect: String by object
Show holder.Exists(other)               ' expect: Boolean False
Set holder("inner") = other
Show holder("inner").Count              ' expect: Long 0

' Empty is a key too.
Set e = CreateObject("Scripting.Dictionary")
e.Add Empty, "nothing here"
Show e(Empty)                           ' expect: String nothing here
