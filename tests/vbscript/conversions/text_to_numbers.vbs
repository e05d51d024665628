' CDbl, CSng and CCur read text as the script host does: exponents, blanks around the
' number, thousands separators, a sign in parentheses or behind, a currency sign and octal;
' Booleans and dates give their numeric value, and values past a subtype's range overflow.
' needs: show.vbs
On Error Resume Next
Show CDbl("1e2")                    ' expect: Double 100
Show CDbl(" 12 ")                   ' expect: Double 12
Show CDbl("1,000.5")                ' expect: Double 1000.5
Show CDbl("-.5")                    ' expect: Double -0.5
Show CDbl("(5)")                    ' expect: Double -5
Show CDbl("5-")                     ' expect: Double -5
Show CDbl("$3.25")                  ' expect: Double 3.25
Show CDbl("&o17")                   ' expect: Double 15
Show CDbl("TRUE") : Caught          ' expect: error 13
Show CDbl("") : Caught              ' expect: error 13
Show CDbl("1 2") : Caught           ' expect: error 13
Show CDbl("--5") : Caught           ' expect: error 13
Show CDbl(True)                     ' expect: Double -1
Show CDbl(CDate(2.5))               ' expect: Double 2.5
Show CSng(1E39) : Caught            ' expect: error 6
Show CSng("0.1")                    ' expect: Single 0.1
Show CCur(0.000149)                 ' expect: Currency 0.0001
Show CCur("1.5")                    ' expect: Currency 1.5
Show CCur(1E20) : Caught            ' expect: error 6
' Text becomes a Currency from its decimal digits, all nineteen of them, where a Double would
' keep fifteen or sixteen; beyond the fourth decimal it rounds half to even (how Windows
' rounds an exact half in text is not established).
Show CCur("922337203685477.5807")   ' expect: Currency 922337203685477.5807
Show CCur("-922337203685477.5808")  ' expect: Currency -922337203685477.5808
Show CCur("922337203685477.5808") : Caught ' expect: error 6
Show CCur("922337203685477") + CCur("0.5807") ' expect: Currency 922337203685477.5807
Show CCur("92233720368547.75807")   ' expect: Currency 92233720368547.7581
Show CCur("1.00005")                ' expect: Currency 1
Show CCur("1.00015")                ' expect: Currency 1.0002
Show CCur("(1,234.56785)")          ' expect: Currency -1234.5678
Show CCur("1e-9")                   ' expect: Currency 0
Show CCur("9.2233720368547758e14")  ' expect: Currency 922337203685477.58
Show CCur(1) + "0.00005"            ' expect: Currency 1
