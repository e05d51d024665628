// The temporary files the program is writing at this moment, kept where a signal handler can
// find them: fixed storage, no allocation and no locks, so that a run stopped by a signal
// removes them before it ends instead of leaving them beside its outputs.
#pragma once

#include <climits>
#include <cstddef>
#include <string>

namespace kestrelon {

// How many temporary files may be written at once, and the longest path one may have.
inline constexpr int MaxTemporaryFiles = 16;
inline constexpr std::size_t MaxTemporaryPath = PATH_MAX - 1;

// Notes a temporary file before it is created. Returns the slot to forget it by, or -1 when
// MaxTemporaryFiles are already noted or the path is longer than MaxTemporaryPath.
int rememberTemporaryFile(const std::string& path);
// Forgets the file of a slot once it has been renamed into place or removed.
void forgetTemporaryFile(int slot);
// Removes every file noted at this moment. Safe to call from a signal handler.
void removeTemporaryFiles();

} // namespace kestrelon
