// Conversions between Variant subtypes as VBScript performs them, each raising the script
// error VBScript raises: 13 "Type mismatch" for text that is not a number, 94 "Invalid use of
// Null", 91 for Nothing, 6 "Overflow" for values outside the target range. Whole-number
// targets round half to even.
#pragma once

#include "vbscript/values/Value.h"

#include <cstdint>
#include <optional>
#include <string>

namespace kestrelon::vbs {

// The value itself, or an object's default member value (438 without one, 91 for Nothing).
Value toPlainValue(const Value& value);

bool toBoolean(const Value& value);          // CBool
std::uint8_t toByte(const Value& value);     // CByte
std::int16_t toInteger(const Value& value);  // CInt
std::int32_t toLong(const Value& value);     // CLng
float toSingle(const Value& value);          // CSng
double toDouble(const Value& value);         // CDbl (Empty is 0, numeric text parsed)
std::int64_t toCurrencyScaled(const Value& value); // CCur, in ten-thousandths
Text toString(const Value& value);           // CStr: numbers through the platform's general form
double toDate(const Value& value);           // CDate, as a serial (date text parsed; 6 out of range)

// Text for "&": like toString, but Null and Empty give "".
Text toConcatString(const Value& value);

// A number parsed from script text as VBScript does (decimal, exponent, &H / &O, blanks, sign);
// nullopt when the text is not numeric.
std::optional<double> parseScriptNumber(TextView text);

// The text of a whole number, written straight into a script text: numbers are joined to texts
// at nearly every step of a battle script.
Text integerText(std::int64_t value);

// The text of a Currency value: up to four decimals, trailing zeros removed.
std::string formatCurrency(std::int64_t scaled);

// Text that reads as True or False ("true", "#FALSE#"); nullopt for any other text.
std::optional<bool> parseBooleanWord(TextView text);

// VarType and TypeName of a value.
std::int32_t varTypeOf(const Value& value);
std::string typeNameOf(const Value& value);

} // namespace kestrelon::vbs
