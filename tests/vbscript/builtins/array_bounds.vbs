' Array's zero-based result, UBound and LBound of each dimension with 9 for a dimension or
' an array that is not there and 13 for a value that is no array, and IsArray.
' needs: show.vbs
On Error Resume Next
Dim grid(2, 5), unallocated()
Show Array(10, "x", Empty)         ' expect: Variant(10|x|)
Show UBound(Array())               ' expect: Long -1
Show UBound(Array(10, 20, 30))     ' expect: Long 2
Show LBound(Array(10))             ' expect: Long 0
Show UBound(grid, 2)               ' expect: Long 5
Show UBound(grid, 1.4)             ' expect: Long 2
Show LBound(grid, 2)               ' expect: Long 0
Show UBound(grid, 3) : Caught      ' expect: error 9
Show UBound(Array(1), 0) : Caught  ' expect: error 9
Show UBound(unallocated) : Caught  ' expect: error 9
Show LBound(unallocated) : Caught  ' expect: error 9
Show UBound(Empty) : Caught        ' expect: error 13
Show UBound(Null) : Caught         ' expect: error 13
Show UBound("abc") : Caught        ' expect: error 13
Show IsArray(Array())              ' expect: Boolean True
Show IsArray(unallocated)          ' expect: Boolean True
Show IsArray("a")                  ' expect: Boolean False
