// The vb constants scripts use by name: MsgBox buttons and answers, compare modes, days of
// the week, VarType numbers, colours and the special characters, with VBScript's subtypes
// (Integer unless the value needs a Long; the characters are Strings).
#include "vbscript/runtime/Builtin.h"

#include <array>

namespace kestrelon::vbs {
namespace {

template <std::int16_t N>
Value integer()
{
    return Value::integer(N);
}

template <std::int32_t N>
Value longValue()
{
    return Value::longValue(N);
}

template <char... Characters>
Value text()
{
    return Value::string(Text{Characters...});
}

constexpr std::array Table = {
    ConstantEntry{"vbOKOnly", integer<0>},
    ConstantEntry{"vbOKCancel", integer<1>},
    ConstantEntry{"vbAbortRetryIgnore", integer<2>},
    ConstantEntry{"vbYesNoCancel", integer<3>},
    ConstantEntry{"vbYesNo", integer<4>},
    ConstantEntry{"vbRetryCancel", integer<5>},
    ConstantEntry{"vbCritical", integer<16>},
    ConstantEntry{"vbQuestion", integer<32>},
    ConstantEntry{"vbExclamation", integer<48>},
    ConstantEntry{"vbInformation", integer<64>},
    ConstantEntry{"vbDefaultButton1", integer<0>},
    ConstantEntry{"vbDefaultButton2", integer<256>},
    ConstantEntry{"vbDefaultButton3", integer<512>},
    ConstantEntry{"vbDefaultButton4", integer<768>},
    ConstantEntry{"vbApplicationModal", integer<0>},
    ConstantEntry{"vbSystemModal", integer<4096>},
    ConstantEntry{"vbMsgBoxHelpButton", longValue<16384>},
    ConstantEntry{"vbMsgBoxSetForeground", longValue<65536>},
    ConstantEntry{"vbMsgBoxRight", longValue<524288>},
    ConstantEntry{"vbMsgBoxRtlReading", longValue<1048576>},
    ConstantEntry{"vbOK", integer<1>},
    ConstantEntry{"vbCancel", integer<2>},
    ConstantEntry{"vbAbort", integer<3>},
    ConstantEntry{"vbRetry", integer<4>},
    ConstantEntry{"vbIgnore", integer<5>},
    ConstantEntry{"vbYes", integer<6>},
    ConstantEntry{"vbNo", integer<7>},
    ConstantEntry{"vbUseSystemDayOfWeek", integer<0>},
    ConstantEntry{"vbSunday", integer<1>},
    ConstantEntry{"vbMonday", integer<2>},
    ConstantEntry{"vbTuesday", integer<3>},
    ConstantEntry{"vbWednesday", integer<4>},
    ConstantEntry{"vbThursday", integer<5>},
    ConstantEntry{"vbFriday", integer<6>},
    ConstantEntry{"vbSaturday", integer<7>},
    ConstantEntry{"vbUseSystem", integer<0>},
    ConstantEntry{"vbFirstJan1", integer<1>},
    ConstantEntry{"vbFirstFourDays", integer<2>},
    ConstantEntry{"vbFirstFullWeek", integer<3>},
    ConstantEntry{"vbBinaryCompare", integer<0>},
    ConstantEntry{"vbTextCompare", integer<1>},
    ConstantEntry{"vbDatabaseCompare", integer<2>},
    ConstantEntry{"vbGeneralDate", integer<0>},
    ConstantEntry{"vbLongDate", integer<1>},
    ConstantEntry{"vbShortDate", integer<2>},
    ConstantEntry{"vbLongTime", integer<3>},
    ConstantEntry{"vbShortTime", integer<4>},
    ConstantEntry{"vbTrue", integer<-1>},
    ConstantEntry{"vbFalse", integer<0>},
    ConstantEntry{"vbUseDefault", integer<-2>},
    ConstantEntry{"vbEmpty", integer<0>},
    ConstantEntry{"vbNull", integer<1>},
    ConstantEntry{"vbInteger", integer<2>},
    ConstantEntry{"vbLong", integer<3>},
    ConstantEntry{"vbSingle", integer<4>},
    ConstantEntry{"vbDouble", integer<5>},
    ConstantEntry{"vbCurrency", integer<6>},
    ConstantEntry{"vbDate", integer<7>},
    ConstantEntry{"vbString", integer<8>},
    ConstantEntry{"vbObject", integer<9>},
    ConstantEntry{"vbError", integer<10>},
    ConstantEntry{"vbBoolean", integer<11>},
    ConstantEntry{"vbVariant", integer<12>},
    ConstantEntry{"vbDataObject", integer<13>},
    ConstantEntry{"vbDecimal", integer<14>},
    ConstantEntry{"vbByte", integer<17>},
    ConstantEntry{"vbArray", integer<8192>},
    ConstantEntry{"vbObjectError", longValue<-2147221504>},
    ConstantEntry{"vbBlack", longValue<0x000000>},
    ConstantEntry{"vbRed", longValue<0x0000FF>},
    ConstantEntry{"vbGreen", longValue<0x00FF00>},
    ConstantEntry{"vbBlue", longValue<0xFF0000>},
    ConstantEntry{"vbYellow", longValue<0x00FFFF>},
    ConstantEntry{"vbMagenta", longValue<0xFF00FF>},
    ConstantEntry{"vbCyan", longValue<0xFFFF00>},
    ConstantEntry{"vbWhite", longValue<0xFFFFFF>},
    ConstantEntry{"vbCr", text<'\r'>},
    ConstantEntry{"vbLf", text<'\n'>},
    ConstantEntry{"vbCrLf", text<'\r', '\n'>},
    ConstantEntry{"vbNewLine", text<'\r', '\n'>},
    ConstantEntry{"vbTab", text<'\t'>},
    ConstantEntry{"vbVerticalTab", text<'\v'>},
    ConstantEntry{"vbFormFeed", text<'\f'>},
    ConstantEntry{"vbNullChar", text<'\0'>},
    ConstantEntry{"vbNullString", text<>},
};

} // namespace

std::span<const ConstantEntry> builtinConstants()
{
    return Table;
}

} // namespace kestrelon::vbs
