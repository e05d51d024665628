// Searching a script text for another, in time that grows with the two texts only.
#include "vbscript/runtime/TextSearch.h"

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace kestrelon::vbs {
namespace {

// Where needle first starts in text at or after from, by the table of Knuth, Morris and Pratt:
// time in proportion to the two texts whatever they hold.
std::size_t findByTable(TextView text, TextView needle, std::size_t from)
{
    std::vector<std::uint32_t> border(needle.size() + 1, 0);
    for (std::size_t i = 1, k = 0; i < needle.size(); ++i) {
        while (k > 0 && needle[i] != needle[k])
            k = border[k];
        if (needle[i] == needle[k])
            ++k;
        border[i + 1] = static_cast<std::uint32_t>(k);
    }
    for (std::size_t i = from, k = 0; i < text.size(); ++i) {
        while (k > 0 && text[i] != needle[k])
            k = border[k];
        if (text[i] == needle[k] && ++k == needle.size())
            return i + 1 - needle.size();
    }
    return Text::npos;
}

} // namespace

// std::u16string::find may compare the whole needle again at every place (a long needle of one
// repeated letter in a text of the same letter took hours, out of reach of the time limit).
// memmem over the bytes is the quick way and as sure; a hit that falls between two units sends
// the search to the table, so no text full of such hits can make it slow.
std::size_t findText(TextView text, TextView needle, std::size_t from)
{
    if (from > text.size())
        return Text::npos;
    if (needle.size() == 1) {
        const auto* hit = std::char_traits<char16_t>::find(text.data() + from, text.size() - from, needle[0]);
        return hit ? static_cast<std::size_t>(hit - text.data()) : Text::npos;
    }
    const auto* bytes = reinterpret_cast<const char*>(text.data());
    const void* hit = ::memmem(bytes + 2 * from, 2 * (text.size() - from), needle.data(), 2 * needle.size());
    if (!hit)
        return Text::npos;
    const auto offset = static_cast<std::size_t>(static_cast<const char*>(hit) - bytes);
    return offset % 2 == 0 ? offset / 2 : findByTable(text, needle, from);
}

} // namespace kestrelon::vbs
