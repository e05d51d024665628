' The engine names itself VBScript 5.8 (versions are Longs). Only the en-US locale (LCID 1033)
' is supported: SetLocale takes 1033, "en-us" in any letter case, 0 or nothing (the system's
' locale, en-US) and answers the locale before the call; any other locale raises 447 and the
' locale stays en-US.
' needs: show.vbs
On Error Resume Next
Show ScriptEngine                       ' expect: String VBScript
Show ScriptEngine()                     ' expect: String VBScript
Show ScriptEngineMajorVersion           ' expect: Long 5
Show ScriptEngineMinorVersion           ' expect: Long 8
Show TypeName(ScriptEngineBuildVersion) ' expect: String Long
Show ScriptEngineBuildVersion > 0       ' expect: Boolean True
Show ScriptEngine(1) : Caught           ' expect: error 450

Show GetLocale()                        ' expect: Long 1033
Show SetLocale(1033)                    ' expect: Long 1033
Show SetLocale("en-us")                 ' expect: Long 1033
Show SetLocale("EN-US")                 ' expect: Long 1033
Show SetLocale("1033")                  ' expect: Long 1033
Show SetLocale(0)                       ' expect: Long 1033
Show SetLocale()                        ' expect: Long 1033
Show SetLocale(99999) : Caught          ' expect: error 447
Show SetLocale(1036) : Caught           ' expect: error 447
Show SetLocale("fr-fr") : Caught        ' expect: error 447
Show SetLocale(Null) : Caught           ' expect: error 94
Show GetLocale()                        ' expect: Long 1033
Show GetLocale(1033) : Caught           ' expect: error 450
SetLocale 1036
MsgBox Err.Description                  ' expect: Object doesn't support current locale setting
