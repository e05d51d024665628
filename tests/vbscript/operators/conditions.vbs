' The truth of an If condition: any non-zero number is true, Empty and Null are false, text
' counts when it reads as a number or a Boolean word, and other text or an array fails.
' needs: show.vbs
On Error Resume Next

' The condition stands in a procedure without its own handler, so a failing condition ends
' the call instead of running either branch.
Sub ShowTruth(condition)
    If condition Then MsgBox "true" Else MsgBox "false"
End Sub

ShowTruth 1                         ' expect: true
ShowTruth 0.1                       ' expect: true
ShowTruth 0                         ' expect: false
ShowTruth Empty                     ' expect: false
ShowTruth Null                      ' expect: false
ShowTruth "0"                       ' expect: false
ShowTruth "-1"                      ' expect: true
ShowTruth "TRUE"                    ' expect: true
ShowTruth "#FALSE#"                 ' expect: false
ShowTruth 65536                     ' expect: true
ShowTruth "" : Caught               ' expect: error 13
ShowTruth "abc" : Caught            ' expect: error 13
ShowTruth Array() : Caught          ' expect: error 13
