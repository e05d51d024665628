' The built-in library as scripts meet it: argument counts checked when a built-in is
' called (450), the vb constants with their subtypes, MsgBox showing its prompt and
' answering OK, and object creation refused (429).
' needs: show.vbs
On Error Resume Next
Show Mid("abc") : Caught                                  ' expect: error 450
Show Mid("abc", 1, 1, 1) : Caught                         ' expect: error 450
Show Now(1) : Caught                                      ' expect: error 450
Show StrComp("a", "b", 0, 0) : Caught                     ' expect: error 450
Show Array()                                              ' expect: Variant()
Show Array(1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1)
' expect: Variant(1|1|1|1|1|1|1|1|1|1|1|1|1|1|1|1|1|1|1|1|1|1|1|1|1|1|1|1|1|1|1|1|1|1|1|1|1|1|1|1)
Show vbOK                                                 ' expect: Integer 1
Show vbCancel                                             ' expect: Integer 2
Show vbNo                                                 ' expect: Integer 7
Show vbYesNo                                              ' expect: Integer 4
Show vbTextCompare                                        ' expect: Integer 1
Show vbSaturday                                           ' expect: Integer 7
Show vbTrue                                               ' expect: Integer -1
Show vbArray                                              ' expect: Integer 8192
Show vbByte                                               ' expect: Integer 17
Show vbObjectError                                        ' expect: Long -2147221504
Show vbRed                                                ' expect: Long 255
Show vbWhite                                              ' expect: Long 16777215
Show vbMsgBoxSetForeground                                ' expect: Long 65536
Show vbTab                                                ' expect: String 	
Show vbNullString                                         ' expect: String 
Show MsgBox("Hello")                                      ' expect: Hello
' expect: Integer 1
Show MsgBox(0.5, 64, "Title")                             ' expect: 0.5
' expect: Integer 1
Show MsgBox(Null) : Caught                                ' expect: error 94
Show CreateObject("Scripting.FileSystemObject") : Caught  ' expect: error 429
Show CreateObject("WScript.Shell", "server") : Caught     ' expect: error 429
Show GetObject() : Caught                                 ' expect: error 429
Show GetObject("C:\file.txt") : Caught                    ' expect: error 429
