// The unit number suffix: three digits at least, with leading zeros up to 99.
#include "an8/IndexSuffix.h"

#include "platform/NumberFormatting.h"

namespace kestrelon::an8 {

std::string IndexSuffix(std::int32_t n)
{
    const std::string digits = formatInteger(n);
    if (n <= 9)
        return "00" + digits;
    if (n <= 99)
        return "0" + digits;
    return digits;
}

} // namespace kestrelon::an8
