a = &HFFFF : b = &O777 : c = &H8000& : d = 1.5e3 : e = #1/15/2024# : f = "q""q"
g = [my name] : h = .5 : i = 2147483648 : j = -32768
MsgBox a & b & c & d & e & f & g & h & i & j
k = (1 + 2) * 3 ^ 2 \ 4 Mod 3 - -1 & "s" = "t" And Not True Or False Xor 1 Eqv 2 Imp 3
