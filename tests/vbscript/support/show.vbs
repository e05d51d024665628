' Helpers that scripts ask for with "' needs: show.vbs"; the runner appends this file, so the
' script's own lines keep their numbers. Show prints a value as "Subtype value" ("Long 32768",
' "String 12"), "Null", "Empty", the type name of an object, or "Variant(a|b)" for an array.
Sub Show(value)
    If IsArray(value) Then
        Dim text, item, separator
        For Each item In value
            text = text & separator & item
            separator = "|"
        Next
        MsgBox "Variant(" & text & ")"
    ElseIf IsNull(value) Or IsEmpty(value) Or IsObject(value) Then
        MsgBox TypeName(value)
    Else
        MsgBox TypeName(value) & " " & value
    End If
End Sub

' Under On Error Resume Next a failing statement is skipped: "Show f(x) : Caught" prints
' "error N" for the error f raised and clears it, and prints nothing when there was none.
Sub Caught
    If Err.Number <> 0 Then MsgBox "error " & Err.Number : Err.Clear
End Sub
