' Joining or adding two texts whose length together passes the longest text a value may
' hold runs out of memory instead of building it.
' needs: show.vbs
On Error Resume Next
big = String(33554433, "x")
Show big & big : Caught             ' expect: error 7
Show big + big : Caught             ' expect: error 7
