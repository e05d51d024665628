// The project file (".kst", described for users in docs/project-file.md): one value per line
// with CR LF line ends, numbers always with ".". Saving replaces the file only once everything is
// written; loading hands a new project back only when the whole file has been read.
#pragma once

#include "model/Project.h"

#include <string>

namespace kestrelon {

// What the project's file dialogs offer and add to a name typed without an extension.
inline constexpr const char* ProjectFileFilter = "Kestrelon project (*.kst)";
inline constexpr const char* ProjectFileExtension = "kst";

// Writes the project to path, replacing any file there atomically. Raises FileError, writing
// nothing, when a text holds a line break or a script holds a line that is exactly "CODEDONE".
void SaveProject(const Project& project, const std::string& path);

// Reads the project stored at path. Raises FileError naming the file, the line and what
// was expected there when the file cannot be read, ends early or holds a bad value.
Project LoadProject(const std::string& path);

} // namespace kestrelon
