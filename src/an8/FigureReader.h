// Reading the names of figures and named sequences from an An8 file into the project's
// catalogue. The file is read line by line, as An8 files lay their chunks out: figures
// first, then sequences (each naming its figure on the next line), then scenes.
#pragma once

#include "model/Project.h"

#include <string>

namespace kestrelon::an8 {

// Appends the file's figures and sequences to the catalogue, after those already there.
// Raises FileError when the file cannot be read; the catalogue is then unchanged.
void readFigureFile(const std::string& path, Project& project);

} // namespace kestrelon::an8
