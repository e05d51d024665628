// The RegExp object scripts make with New RegExp (TypeName "IRegExp2"): Pattern, Global,
// IgnoreCase and Multiline, and Test, Execute and Replace, searching with PCRE2 in JScript's
// pattern language within the script's limits.
#pragma once

#include <memory>

namespace kestrelon::vbs {

class Object;

// A new RegExp: empty pattern, Global, IgnoreCase and Multiline all False.
std::shared_ptr<Object> makeRegExp();

} // namespace kestrelon::vbs
