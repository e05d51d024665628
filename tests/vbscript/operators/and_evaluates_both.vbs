' And never takes a short cut: both operands are evaluated, left first, even when the left one
' already decides the result, so a function on the right still runs for its side effects.
Function Traced(value)
    MsgBox value
    Traced = value
End Function
both = Traced(False) And Traced(True)
' expect: False
' expect: True
MsgBox both                             ' expect: False
