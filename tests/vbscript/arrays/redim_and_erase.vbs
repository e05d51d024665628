' ReDim and Erase: Preserve keeps the values when the last dimension of a two-dimensional array
' grows, Erase empties a fixed array but keeps its bounds, and ReDim turns a scalar variable
' into an array.
ReDim grid(1, 1)
grid(1, 1) = "x"
ReDim Preserve grid(1, 3)
MsgBox grid(1, 1) & UBound(grid, 2)     ' expect: x3

Dim fixed(2)
fixed(1) = 5
Erase fixed
MsgBox UBound(fixed) & "[" & fixed(1) & "]"  ' expect: 2[]

scalar = 5
ReDim scalar(2)
MsgBox UBound(scalar) & TypeName(scalar)     ' expect: 2Variant()
