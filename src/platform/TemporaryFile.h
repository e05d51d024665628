// A file written beside the file it will replace, under a name of its own ("scene.an8.tmp<pid>-<n>"),
// noted in the temporary-file registry from before it exists until it is renamed or removed,
// so neither a failure nor a signal leaves it behind.
#pragma once

#include "platform/SystemFile.h"

#include <string>

namespace kestrelon {

class TemporaryFile {
public:
    // Creates the file in target's folder with the usual bits (0666 less the umask). shownPath
    // is the path the user gave, named in every FileError.
    TemporaryFile(const std::string& target, const std::string& shownPath);
    ~TemporaryFile();
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    int descriptor() const { return m_file.get(); }
    // Flushes the text to the disk and renames the file over the target.
    void replaceTarget();

private:
    bool create(const std::string& path);

    std::string m_target;
    std::string m_shownPath;
    std::string m_path;
    int m_slot = -1;
    FileDescriptor m_file;
};

} // namespace kestrelon
