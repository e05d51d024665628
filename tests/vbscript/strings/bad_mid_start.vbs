' A start position of 0 for Mid is an invalid argument, reported at the call.
s = "abc"
Mid s, 0, 1  ' expect error: Invalid procedure call or argument (column 1)
