// The catalogue of VBScript's errors: every run-time and compilation error the script engine
// defines, with the name the engine raises it by and the English text scripts see in
// Err.Description. The error numbers (ErrorCode) and the texts are both made from this list.
#pragma once

#include <cstdint>

// X(Name, number, text), sorted by number.
#define KESTRELON_VBSCRIPT_ERRORS(X) \
    X(InvalidProcedureCall, 5, "Invalid procedure call or argument") \
    X(Overflow, 6, "Overflow") \
    X(OutOfMemory, 7, "Out of memory") \
    X(SubscriptOutOfRange, 9, "Subscript out of range") \
    X(ArrayFixedOrLocked, 10, "This array is fixed or temporarily locked") \
    X(DivisionByZero, 11, "Division by zero") \
    X(TypeMismatch, 13, "Type mismatch") \
    X(OutOfStringSpace, 14, "Out of string space") \
    X(CantPerformOperation, 17, "Can't perform requested operation") \
    X(OutOfStackSpace, 28, "Out of stack space") \
    X(ProcedureNotDefined, 35, "Sub or Function not defined") \
    X(DllLoadError, 48, "Error in loading DLL") \
    X(InternalError, 51, "Internal error") \
    X(BadFileNameOrNumber, 52, "Bad file name or number") \
    X(FileNotFound, 53, "File not found") \
    X(BadFileMode, 54, "Bad file mode") \
    X(FileAlreadyOpen, 55, "File already open") \
    X(DeviceIoError, 57, "Device I/O error") \
    X(FileAlreadyExists, 58, "File already exists") \
    X(DiskFull, 61, "Disk full") \
    X(InputPastEndOfFile, 62, "Input past end of file") \
    X(TooManyFiles, 67, "Too many files") \
    X(DeviceUnavailable, 68, "Device unavailable") \
    X(PermissionDenied, 70, "Permission denied") \
    X(DiskNotReady, 71, "Disk not ready") \
    X(CantRenameWithDifferentDrive, 74, "Can't rename with different drive") \
    X(PathFileAccessError, 75, "Path/File access error") \
    X(PathNotFound, 76, "Path not found") \
    X(ObjectNotSet, 91, "Object variable not set") \
    X(ForLoopNotInitialized, 92, "For loop not initialized") \
    X(InvalidUseOfNull, 94, "Invalid use of Null") \
    X(CantCreateTemporaryFile, 322, "Can't create necessary temporary file") \
    X(ObjectRequired, 424, "Object required") \
    X(CantCreateObject, 429, "ActiveX component can't create object") \
    X(ClassDoesNotSupportAutomation, 430, "Class doesn't support Automation") \
    X(FileOrClassNameNotFound, 432, "File name or class name not found during Automation operation") \
    X(MemberNotSupported, 438, "Object doesn't support this property or method") \
    X(AutomationError, 440, "Automation error") \
    X(ActionNotSupported, 445, "Object doesn't support this action") \
    X(NamedArgumentsNotSupported, 446, "Object doesn't support named arguments") \
    X(LocaleNotSupported, 447, "Object doesn't support current locale setting") \
    X(NamedArgumentNotFound, 448, "Named argument not found") \
    X(ArgumentNotOptional, 449, "Argument not optional") \
    X(WrongArgumentCount, 450, "Wrong number of arguments or invalid property assignment") \
    X(NotACollection, 451, "Object not a collection") \
    X(DllFunctionNotFound, 453, "Specified DLL function not found") \
    X(CodeResourceLockError, 455, "Code resource lock error") \
    X(KeyAlreadyExists, 457, "This key is already associated with an element of this collection") \
    X(UnsupportedAutomationType, 458, "Variable uses an Automation type not supported in VBScript") \
    X(RemoteServerUnavailable, 462, "The remote server machine does not exist or is unavailable") \
    X(InvalidPicture, 481, "Invalid picture") \
    X(VariableUndefined, 500, "Variable is undefined") \
    X(IllegalAssignment, 501, "Illegal assignment") \
    X(NotSafeForScripting, 502, "Object not safe for scripting") \
    X(NotSafeForInitializing, 503, "Object not safe for initializing") \
    X(NotSafeForCreating, 504, "Object not safe for creating") \
    X(InvalidReference, 505, "Invalid or unqualified reference") \
    X(ClassNotDefined, 506, "Class not defined") \
    X(ExceptionOccurred, 507, "An exception occurred") \
    X(CompilerOutOfMemory, 1001, "Out of memory") \
    X(SyntaxError, 1002, "Syntax error") \
    X(ExpectedColon, 1003, "Expected ':'") \
    X(ExpectedLeftParen, 1005, "Expected '('") \
    X(ExpectedRightParen, 1006, "Expected ')'") \
    X(ExpectedRightBracket, 1007, "Expected ']'") \
    X(ExpectedIdentifier, 1010, "Expected identifier") \
    X(ExpectedEquals, 1011, "Expected '='") \
    X(ExpectedIf, 1012, "Expected 'If'") \
    X(ExpectedTo, 1013, "Expected 'To'") \
    X(ExpectedEnd, 1014, "Expected 'End'") \
    X(ExpectedFunction, 1015, "Expected 'Function'") \
    X(ExpectedSub, 1016, "Expected 'Sub'") \
    X(ExpectedThen, 1017, "Expected 'Then'") \
    X(ExpectedWend, 1018, "Expected 'Wend'") \
    X(ExpectedLoop, 1019, "Expected 'Loop'") \
    X(ExpectedNext, 1020, "Expected 'Next'") \
    X(ExpectedCase, 1021, "Expected 'Case'") \
    X(ExpectedSelect, 1022, "Expected 'Select'") \
    X(ExpectedExpression, 1023, "Expected expression") \
    X(ExpectedStatement, 1024, "Expected statement") \
    X(ExpectedEndOfStatement, 1025, "Expected end of statement") \
    X(ExpectedIntegerConstant, 1026, "Expected integer constant") \
    X(ExpectedWhileOrUntil, 1027, "Expected 'While' or 'Until'") \
    X(ExpectedWhileUntilOrEnd, 1028, "Expected 'While', 'Until' or end of statement") \
    X(ExpectedWith, 1029, "Expected 'With'") \
    X(IdentifierTooLong, 1030, "Identifier too long") \
    X(InvalidNumber, 1031, "Invalid number") \
    X(InvalidCharacter, 1032, "Invalid character") \
    X(UnterminatedString, 1033, "Unterminated string constant") \
    X(UnterminatedComment, 1034, "Unterminated comment") \
    X(InvalidUseOfMe, 1037, "Invalid use of 'Me' keyword") \
    X(LoopWithoutDo, 1038, "'loop' without 'do'") \
    X(InvalidExit, 1039, "Invalid 'exit' statement") \
    X(InvalidForVariable, 1040, "Invalid 'for' loop control variable") \
    X(NameRedefined, 1041, "Name redefined") \
    X(MustBeFirstOnLine, 1042, "Must be first statement on the line") \
    X(AssignToNonByValArgument, 1043, "Cannot assign to non-ByVal argument") \
    X(ParenthesesCallingSub, 1044, "Cannot use parentheses when calling a Sub") \
    X(ExpectedLiteralConstant, 1045, "Expected literal constant") \
    X(ExpectedIn, 1046, "Expected 'In'") \
    X(ExpectedClass, 1047, "Expected 'Class'") \
    X(MustBeInsideClass, 1048, "Must be defined inside a Class") \
    X(ExpectedLetSetOrGet, 1049, "Expected Let or Set or Get in property declaration") \
    X(ExpectedProperty, 1050, "Expected 'Property'") \
    X(InconsistentPropertyArguments, 1051, "Number of arguments must be consistent across properties specification") \
    X(MultipleDefaults, 1052, "Cannot have multiple default property/method in a Class") \
    X(LifetimeProcedureArguments, 1053, "Class initialize or terminate do not have arguments") \
    X(AssignerWithoutArguments, 1054, "Property set or let must have at least one argument") \
    X(UnexpectedNext, 1055, "Unexpected 'Next'") \
    X(DefaultNotOnProcedure, 1056, "'Default' can only be given on Property Get, Function or Sub") \
    X(DefaultMustBePublic, 1057, "'Default' specification must also specify 'Public'") \
    X(DefaultOnlyOnPropertyGet, 1058, "'Default' specification can only be on Property Get") \
    X(IllegalAssignmentOfValue, 5008, "Illegal assignment") \
    X(RegExpObjectExpected, 5016, "Regular Expression object expected") \
    X(RegExpSyntaxError, 5017, "Syntax error in regular expression") \
    X(RegExpUnexpectedQuantifier, 5018, "Unexpected quantifier") \
    X(RegExpExpectedBracket, 5019, "Expected ']' in regular expression") \
    X(RegExpExpectedParen, 5020, "Expected ')' in regular expression") \
    X(RegExpInvalidRange, 5021, "Invalid range in character set") \
    X(ElementNotFound, 32811, "Element not found")

namespace kestrelon::vbs {

enum class ErrorCode : std::int32_t {
#define KESTRELON_ERROR_CODE(name, number, text) name = number,
    KESTRELON_VBSCRIPT_ERRORS(KESTRELON_ERROR_CODE)
#undef KESTRELON_ERROR_CODE
};

constexpr std::int32_t errorNumber(ErrorCode code)
{
    return static_cast<std::int32_t>(code);
}

} // namespace kestrelon::vbs
