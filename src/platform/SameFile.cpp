// Comparing files behind paths without raising: a path that cannot be looked at is compared by
// its resolved name.
#include "platform/SameFile.h"

#include <filesystem>
#include <system_error>

namespace kestrelon {
namespace {

namespace fs = std::filesystem;

fs::path resolved(const std::string& path)
{
    std::error_code ignored;
    const fs::path full = fs::weakly_canonical(fs::absolute(path, ignored), ignored);
    return full.empty() ? fs::absolute(path, ignored).lexically_normal() : full;
}

} // namespace

bool isSameFile(const std::string& first, const std::string& second)
{
    std::error_code error;
    if (fs::exists(first, error) && fs::exists(second, error))
        return fs::equivalent(first, second, error);
    return resolved(first) == resolved(second);
}

} // namespace kestrelon
