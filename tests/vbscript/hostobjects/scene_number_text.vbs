' Scripts see numbers as CStr writes them; the key texts Game builds for the scene carry the
' same digits in plain decimals, since the animation package reads no exponents.
x = 0.0453527569770813
MsgBox CStr(x) & " " & x & " " & CStr(1E-20)
' expect: 4.53527569770813E-02 4.53527569770813E-02 1E-20
MsgBox "[" & Game.OutputLoc(x, -1E+20, 1E-20, 1) & "]"
' expect: [ pointkey { 1 ( 0.0453527569770813 -100000000000000000000 0.00000000000000000001 ) "?" }  ]
MsgBox "[" & FacePos(-x, -0.0199999997764826, 0, 2) & "]"
' expect: [ pointkey { 2 ( -0.0453527569770813 -0.0199999997764826 0 ) "?" } ]
Game.SetNumContacts 1
Game.SetContactPos 2, 1, x, 0, 0, False, 100
MsgBox "[" & Game.FaceContact(1, 3) & "][" & MoveToClosest(0, 0, 0, 4, 2) & "]"
' expect: [ pointkey { 3 (0.0453527569770813 0 0) "?"}][ pointkey { 4 ( 0.0453527569770813 0 0 ) "?" }  ]
MsgBox Game.DistToClosest(0, 0, 0, 2) = CStr(Game.DistFromMe(0, 0, 0, 1))
' expect: True
