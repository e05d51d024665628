name = InputBox("Your name?")
MsgBox "Hello " & name
' expect: Hello 
