// Quoted-name extraction.
#include "an8/QuotedName.h"

namespace kestrelon::an8 {

std::string GetQuotedName(std::string_view line)
{
    const size_t first = line.find('"');
    const size_t last = line.rfind('"');
    if (first == std::string_view::npos || last == first)
        return {};
    return std::string(line.substr(first + 1, last - first - 1));
}

} // namespace kestrelon::an8
