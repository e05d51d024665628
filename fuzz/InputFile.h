// The file readers take paths, as the programs use them: a fuzz input is written to one file
// of this process and read back through the real reader.
#pragma once

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <string>
#include <unistd.h>

namespace kestrelon::fuzzing {

inline const std::string& writeInputFile(const std::uint8_t* data, std::size_t size, const char* extension)
{
    static const std::string path = "/tmp/kestrelon-fuzz-" + std::to_string(getpid()) + extension;
    std::ofstream(path, std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char*>(data),
                                                                   static_cast<std::streamsize>(size));
    return path;
}

} // namespace kestrelon::fuzzing
