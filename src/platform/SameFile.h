// Whether two paths name one file, so an output is never written over one of the inputs it is
// made from (the scene over its project, Tessary's copies over their source).
#pragma once

#include <string>

namespace kestrelon {

// Where both exist the files themselves are compared, so a relative path, a symbolic link and a
// hard link all meet; otherwise the absolute paths, with links, "." and ".." resolved as far
// as the folders exist.
bool isSameFile(const std::string& first, const std::string& second);

} // namespace kestrelon
