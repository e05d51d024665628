' A start position of 0 for Mid is an invalid argument, reported at the call.
s = "abc"
Mid s, 0, 1
' expect error: Error Invalid procedure call or argument line: 3 column: 1
