// Widening and narrowing between script texts and 1252 bytes, with a quick way through for
// ASCII, which nearly every text of a battle (scene keys, numbers, names) is.
#include "vbscript/values/Text.h"

#include <algorithm>

namespace kestrelon::vbs {

namespace textdetail {

int byteOfOtherUnit(char16_t unit)
{
    const auto* found = std::find(HighControlUnits.begin(), HighControlUnits.end(), unit);
    if (found == HighControlUnits.end())
        return -1;
    return 0x80 + static_cast<int>(found - HighControlUnits.begin());
}

} // namespace textdetail

// One pass over plain pointers: the bytes 0x80-0x9F, the only ones that stand for other units,
// are one unsigned comparison away, so ASCII and Latin-1 texts cost a copy.
Text widenText(std::string_view bytes)
{
    Text text(bytes.size(), u'\0');
    const auto* in = reinterpret_cast<const unsigned char*>(bytes.data());
    char16_t* out = text.data();
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const unsigned char byte = in[i];
        out[i] = static_cast<unsigned char>(byte - 0x80) < 0x20 ? textdetail::HighControlUnits[byte - 0x80] : byte;
    }
    return text;
}

std::string narrowText(TextView text)
{
    std::string bytes;
    narrowTextInto(text, bytes);
    return bytes;
}

void narrowTextInto(TextView text, std::string& bytes)
{
    bytes.resize(text.size());
    const char16_t* in = text.data();
    char* out = bytes.data();
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t unit = in[i];
        if (unit < 0x80) {
            out[i] = static_cast<char>(unit);
            continue;
        }
        const int byte = byteOfUnit(unit);
        out[i] = byte < 0 ? UnmappableByte : static_cast<char>(byte);
    }
}

std::string unitsAsUtf8(TextView text)
{
    std::string bytes;
    bytes.reserve(text.size());
    for (const char16_t unit : text) {
        if (unit < 0x80) {
            bytes += static_cast<char>(unit);
        } else if (unit < 0x800) {
            bytes += static_cast<char>(0xC0 | (unit >> 6));
            bytes += static_cast<char>(0x80 | (unit & 0x3F));
        } else {
            bytes += static_cast<char>(0xE0 | (unit >> 12));
            bytes += static_cast<char>(0x80 | ((unit >> 6) & 0x3F));
            bytes += static_cast<char>(0x80 | (unit & 0x3F));
        }
    }
    return bytes;
}

namespace {

bool isContinuation(std::string_view bytes, std::size_t at)
{
    return at < bytes.size() && (static_cast<unsigned char>(bytes[at]) & 0xC0) == 0x80;
}

unsigned payload(std::string_view bytes, std::size_t at)
{
    return static_cast<unsigned char>(bytes[at]) & 0x3F;
}

} // namespace

Text unitsFromUtf8(std::string_view bytes)
{
    Text text;
    text.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size();) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        if ((lead & 0xE0) == 0xC0 && isContinuation(bytes, i + 1)) {
            text += static_cast<char16_t>(((lead & 0x1F) << 6) | payload(bytes, i + 1));
            i += 2;
        } else if ((lead & 0xF0) == 0xE0 && isContinuation(bytes, i + 1) && isContinuation(bytes, i + 2)) {
            const unsigned high = (lead & 0x0Fu) << 12;
            text += static_cast<char16_t>(high | (payload(bytes, i + 1) << 6) | payload(bytes, i + 2));
            i += 3;
        } else {
            text += static_cast<char16_t>(lead);
            ++i;
        }
    }
    return text;
}

} // namespace kestrelon::vbs
