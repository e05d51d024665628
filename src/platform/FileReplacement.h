// Replacing an output file as careful editors do, for every file the product writes: a project
// save, a scene, Tessary's copies.
#pragma once

#include "platform/SystemFile.h"
#include "platform/TemporaryFile.h"

#include <optional>
#include <string>
#include <string_view>
#include <sys/stat.h>

namespace kestrelon {

// Puts text in the file at path, complete or not at all. A regular file is replaced through a
// temporary file beside it (beside the file a symbolic link names, the link staying a link)
// that takes the old file's permission bits and, where allowed, its owner. A device or pipe is
// written directly. A folder and a read-only file (for root too: no write bit at all) are
// refused. Raises FileError naming path on every failure.
void replaceFile(const std::string& path, std::string_view text);

// The same replacement taking its text in pieces, so a text larger than memory can bear twice
// is never held whole: each piece goes to the temporary file (or the device) at once. Opening
// decides what is at path and raises FileError as replaceFile does; without commit a regular
// file is left as it was and the temporary file is removed.
class FileReplacement {
public:
    explicit FileReplacement(const std::string& path);
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;

    void write(std::string_view text);
    // Puts the written text in place; raises FileError on failure. Call once.
    void commit();

private:
    void openTemporary(const struct stat* old);
    void openDirectly();

    std::string m_path;
    std::optional<TemporaryFile> m_temporary; // a regular file's replacement, beside it
    FileDescriptor m_direct;                  // a device or pipe, written as it is
};

} // namespace kestrelon
