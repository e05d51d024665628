' The subtype Int, Fix, Round, Sgn and Abs give for each argument subtype, their rounding
' (Int down, Fix toward zero, Round half to even), and the overflow of Currency's extremes.
' needs: show.vbs
On Error Resume Next
' The Currency extremes, built from parts no Double rounding touches: a Double this large
' cannot hold the last digits, and CCur of text goes through a Double.
lowest = CCur(-922337203) * CCur(1000000) + CCur(-685477.5808)
highest = CCur(922337203) * CCur(1000000) + CCur(685477.5807)
Show Int(-1.99)               ' expect: Double -2
Show Fix(-1.99)               ' expect: Double -1
Show Int(-2.5)                ' expect: Double -3
Show Fix(-2.5)                ' expect: Double -2
Show Int(True)                ' expect: Integer -1
Show Int(Empty)               ' expect: Integer 0
Show Int("2.5")               ' expect: Double 2
Show Int(CSng(-1.5))          ' expect: Single -2
Show Int(CCur(-1.5))          ' expect: Currency -2
Show Fix(CCur(-1.5))          ' expect: Currency -1
Show Int(lowest) : Caught     ' expect: error 6
Show Fix(lowest)              ' expect: Currency -922337203685477
Show Int(CLng(7))             ' expect: Long 7
Show Int(Null)                ' expect: Null
Show Round(3.5)               ' expect: Double 4
Show Round(-3.5)              ' expect: Double -4
Show Round(2.5)               ' expect: Double 2
Show Round("2")               ' expect: Double 2
Show Round(5)                 ' expect: Integer 5
Show Round(True)              ' expect: Boolean True
Show Round(1.2345, 2)         ' expect: Double 1.23
Show Round(0.125, 2)          ' expect: Double 0.12
Show Round(CCur(1.2345), 1)   ' expect: Currency 1.2
Show Round(1.5, -1) : Caught  ' expect: error 5
Show Round(Null)              ' expect: Null
Show Sgn(True)                ' expect: Integer -1
Show Sgn("-1")                ' expect: Integer -1
Show Sgn(0.001)               ' expect: Integer 1
Show Sgn(Empty)               ' expect: Integer 0
Show Sgn(Null) : Caught       ' expect: error 94
Show Abs(CLng(-32769))        ' expect: Long 32769
Show Abs(CInt(-32768))        ' expect: Long 32768
Show Abs(CLng(-2147483648))   ' expect: Double 2147483648
Show Abs(True)                ' expect: Integer 1
Show Abs("-2")                ' expect: Double 2
Show Abs(CByte(3))            ' expect: Byte 3
Show Abs(CSng(-1.5))          ' expect: Single 1.5
Show Abs(CCur(-0.0005))       ' expect: Currency 0.0005
Show Abs(lowest) : Caught     ' expect: error 6
Show Round(highest) : Caught  ' expect: error 6
Show Round(CCur(-2.5))        ' expect: Currency -2
Show Round(CCur(-3.5))        ' expect: Currency -4
Show Abs("x") : Caught        ' expect: error 13
Show Abs(Null)                ' expect: Null
