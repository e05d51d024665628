// Writing a raster as a PNG file (8-bit RGB, no interlace), compressed with zlib.
#pragma once

#include "preview/Raster.h"

#include <cstdint>
#include <string>
#include <vector>

namespace kestrelon::preview {

// The PNG file's bytes.
std::vector<std::uint8_t> encodePng(const Raster& raster);

// Writes the image to path, whole or not at all; raises FileError naming the file and cause.
void writePng(const Raster& raster, const std::string& path);

} // namespace kestrelon::preview
