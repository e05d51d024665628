' Numeric literals get the subtype the script engine gives them: Integer up to 32767, Long up
' to 2147483647, Double beyond; there are no negative literals; &H and &O read 16-bit patterns.
MsgBox TypeName(32767)
' expect: Integer
MsgBox TypeName(32768)
' expect: Long
MsgBox TypeName(2147483647)
' expect: Long
MsgBox TypeName(2147483648)
' expect: Double
MsgBox TypeName(-32768)
' expect: Long
MsgBox TypeName(-1)
' expect: Integer
MsgBox TypeName(1.5) & " " & TypeName(10.) & " " & TypeName(1e2)
' expect: Double Double Double
MsgBox 010 & " " & .5e1 & " " & 56.789e-2
' expect: 10 5 0.56789
MsgBox &HFFFF & " " & TypeName(&HFFFF)
' expect: -1 Integer
MsgBox &H8000 & " " & TypeName(&H8000)
' expect: -32768 Long
MsgBox &H8001 & " " & &hFFFF& & " " & &H8000&
' expect: -32767 65535 32768
MsgBox &O17 & " " & &777 & " " & &17& & " " & &O177777
' expect: 15 511 15 -1
MsgBox Hex(-32768) & " " & Hex(-32767) & " " & Hex(-1)
' expect: FFFF8000 8001 FFFF
MsgBox TypeName(#1/15/2024#)
' expect: Date
MsgBox 1e-400 = 0
' expect: True
