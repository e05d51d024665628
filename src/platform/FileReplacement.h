// Replacing an output file as careful editors do, for every file the product writes: a project
// save, a scene, Tessary's copies.
#pragma once

#include <string>
#include <string_view>

namespace kestrelon {

// Puts text in the file at path, complete or not at all. A regular file is replaced through a
// temporary file beside it (beside the file a symbolic link names, the link staying a link)
// that takes the old file's permission bits and, where allowed, its owner. A device or pipe is
// written directly. A folder and a read-only file (for root too: no write bit at all) are
// refused. Raises FileError naming path on every failure.
void replaceFile(const std::string& path, std::string_view text);

} // namespace kestrelon
