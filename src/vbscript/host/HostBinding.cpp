// The one piece of the host binding that is not a template: the folding of member names to
// the key of a class's lookup table, so "WhereMyX", "wheremyx" and "WHEREMYX" meet.
#include "vbscript/host/HostBinding.h"

namespace kestrelon::vbs::binding {

std::string foldName(std::string_view name)
{
    std::string folded(name);
    // Script names are ASCII; folding only A-Z leaves any other byte as it is.
    for (char& c : folded) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return folded;
}

} // namespace kestrelon::vbs::binding
