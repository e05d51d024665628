' Every vb constant with its value and subtype: Integer unless the value needs a Long, the
' MsgBox flags from vbMsgBoxHelpButton on and the colours being Longs, the characters Strings
' (shown by their character codes). Names are matched in any letter case.
' needs: show.vbs
Sub ShowText(text)
    Dim codes, i
    For i = 1 To Len(text)
        codes = codes & " " & Asc(Mid(text, i, 1))
    Next
    MsgBox TypeName(text) & " " & Len(text) & codes
End Sub

Show vbOKOnly               ' expect: Integer 0
Show vbOKCancel             ' expect: Integer 1
Show vbAbortRetryIgnore     ' expect: Integer 2
Show vbYesNoCancel          ' expect: Integer 3
Show vbYesNo                ' expect: Integer 4
Show vbRetryCancel          ' expect: Integer 5
Show vbCritical             ' expect: Integer 16
Show vbQuestion             ' expect: Integer 32
Show vbExclamation          ' expect: Integer 48
Show vbInformation          ' expect: Integer 64
Show vbDefaultButton1       ' expect: Integer 0
Show vbDefaultButton2       ' expect: Integer 256
Show vbDefaultButton3       ' expect: Integer 512
Show vbDefaultButton4       ' expect: Integer 768
Show vbApplicationModal     ' expect: Integer 0
Show vbSystemModal          ' expect: Integer 4096
Show vbMsgBoxHelpButton     ' expect: Long 16384
Show vbMsgBoxSetForeground  ' expect: Long 65536
Show vbMsgBoxRight          ' expect: Long 524288
Show vbMsgBoxRtlReading     ' expect: Long 1048576
Show vbOK                   ' expect: Integer 1
Show vbCancel               ' expect: Integer 2
Show vbAbort                ' expect: Integer 3
Show vbRetry                ' expect: Integer 4
Show vbIgnore               ' expect: Integer 5
Show vbYes                  ' expect: Integer 6
Show vbNo                   ' expect: Integer 7
Show vbUseSystemDayOfWeek   ' expect: Integer 0
Show vbSunday               ' expect: Integer 1
Show vbMonday               ' expect: Integer 2
Show vbTuesday              ' expect: Integer 3
Show vbWednesday            ' expect: Integer 4
Show vbThursday             ' expect: Integer 5
Show vbFriday               ' expect: Integer 6
Show vbSaturday             ' expect: Integer 7
Show vbUseSystem            ' expect: Integer 0
Show vbFirstJan1            ' expect: Integer 1
Show vbFirstFourDays        ' expect: Integer 2
Show vbFirstFullWeek        ' expect: Integer 3
Show vbBinaryCompare        ' expect: Integer 0
Show vbTextCompare          ' expect: Integer 1
Show vbDatabaseCompare      ' expect: Integer 2
Show vbGeneralDate          ' expect: Integer 0
Show vbLongDate             ' expect: Integer 1
Show vbShortDate            ' expect: Integer 2
Show vbLongTime             ' expect: Integer 3
Show vbShortTime            ' expect: Integer 4
Show vbTrue                 ' expect: Integer -1
Show vbFalse                ' expect: Integer 0
Show vbUseDefault           ' expect: Integer -2
Show vbEmpty                ' expect: Integer 0
Show vbNull                 ' expect: Integer 1
Show vbInteger              ' expect: Integer 2
Show vbLong                 ' expect: Integer 3
Show vbSingle               ' expect: Integer 4
Show vbDouble               ' expect: Integer 5
Show vbCurrency             ' expect: Integer 6
Show vbDate                 ' expect: Integer 7
Show vbString               ' expect: Integer 8
Show vbObject               ' expect: Integer 9
Show vbError                ' expect: Integer 10
Show vbBoolean              ' expect: Integer 11
Show vbVariant              ' expect: Integer 12
Show vbDataObject           ' expect: Integer 13
Show vbDecimal              ' expect: Integer 14
Show vbByte                 ' expect: Integer 17
Show vbArray                ' expect: Integer 8192
Show vbObjectError          ' expect: Long -2147221504
Show vbBlack                ' expect: Long 0
Show vbRed                  ' expect: Long 255
Show vbGreen                ' expect: Long 65280
Show vbBlue                 ' expect: Long 16711680
Show vbYellow               ' expect: Long 65535
Show vbMagenta              ' expect: Long 16711935
Show vbCyan                 ' expect: Long 16776960
Show vbWhite                ' expect: Long 16777215
ShowText vbCr               ' expect: String 1 13
ShowText vbLf               ' expect: String 1 10
ShowText vbCrLf             ' expect: String 2 13 10
ShowText vbNewLine          ' expect: String 2 13 10
ShowText vbTab              ' expect: String 1 9
ShowText vbVerticalTab      ' expect: String 1 11
ShowText vbFormFeed         ' expect: String 1 12
ShowText vbNullChar         ' expect: String 1 0
ShowText vbNullString       ' expect: String 0
Show VBMSGBOXRIGHT          ' expect: Long 524288
Show vbfirstfourdays        ' expect: Integer 2
