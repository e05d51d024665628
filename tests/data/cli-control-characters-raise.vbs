Err.Raise 5, "probe", "wiped" & Chr(27) & "[2J"
