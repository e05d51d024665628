' A script-level array is made before the first statement runs; one too large for memory fails
' at its Dim, and nothing of the script runs.
MsgBox "never"
Dim few(3)
Dim cells(2000000000)  ' expect error: Out of memory (column 5)
