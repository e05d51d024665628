// What Tessary's window and kestrelon-cli duplicate both tell the user about the output: the
// line a written job ends with, and the refusal of the source file as the output.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace kestrelon::duplicator {

// "Wrote 5 copies of 2 figures to OUTPUT."; when the source has no figures, the line also says
// so, since the empty output would otherwise leave the user guessing.
std::string writtenReport(const std::string& output, const std::string& source, std::size_t figures,
                          std::int64_t copies);

// The message refusing output because it is the source file under any of its names (the same
// path, another path, a symbolic or hard link): the files are compared, not the names.
// nullopt when output is another file or no file yet.
std::optional<std::string> sourceAsOutputRefusal(const std::string& output, const std::string& source);

} // namespace kestrelon::duplicator
