' A first script for kestrelon-cli vbs: top-level statements run in order, and MsgBox writes
' its prompt to standard output. Try the language here before writing an AI script
' (docs/scripting.md).

Dim figures, i
figures = Array("knight", "archer", "orc", "troll")
MsgBox "Hello from Kestrelon: " & (UBound(figures) + 1) & " figures in the example battle"
For i = 0 To UBound(figures)
  MsgBox i + 1 & ". " & UCase(Left(figures(i), 1)) & Mid(figures(i), 2)
Next
