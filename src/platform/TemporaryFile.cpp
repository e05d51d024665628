// Temporary files beside their targets: unique names that fit the file system, creation that
// never follows or reuses a file found under the name, and a rename that puts the text in place.
#include "platform/TemporaryFile.h"

#include "platform/FileError.h"
#include "platform/TemporaryFileRegistry.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <unistd.h>
#include <utility>

namespace kestrelon {
namespace {

// Names tried before giving up when each is taken (by files left from earlier programs).
constexpr int NameAttempts = 100;

// "<target>.tmp<pid>-<n>", the target's own name shortened when the whole would be longer
// than a file name may be.
std::string temporaryName(const std::string& target)
{
    static std::atomic<unsigned> counter{0};
    const std::string suffix = ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
    const std::size_t nameStart = target.rfind('/') + 1; // npos + 1 is 0: no folder
    const std::size_t nameLength = std::min(target.size() - nameStart, std::size_t{NAME_MAX} - suffix.size());
    return target.substr(0, nameStart + nameLength) + suffix;
}

} // namespace

TemporaryFile::TemporaryFile(const std::string& target, const std::string& shownPath)
    : m_target(target), m_shownPath(shownPath)
{
    for (int attempt = 0; attempt < NameAttempts; ++attempt) {
        if (create(temporaryName(target)))
            return;
        if (errno != EEXIST)
            throw FileError(m_shownPath, 0, systemCause("cannot create a temporary file beside it", errno));
    }
    throw FileError(m_shownPath, 0, "cannot create a temporary file beside it: every name tried is taken");
}

// Notes the name before the file exists, so a signal at any moment finds it.
bool TemporaryFile::create(const std::string& path)
{
    m_slot = rememberTemporaryFile(path);
    if (m_slot < 0) {
        if (path.size() > MaxTemporaryPath)
            throw FileError(m_shownPath, 0, systemCause("cannot create a temporary file beside it", ENAMETOOLONG));
        throw FileError(m_shownPath, 0, "cannot create a temporary file beside it: too many files are being written");
    }
    m_file = FileDescriptor(::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666));
    if (m_file.isOpen()) {
        m_path = path;
        return true;
    }
    const int error = errno;
    forgetTemporaryFile(std::exchange(m_slot, -1));
    errno = error;
    return false;
}

TemporaryFile::~TemporaryFile()
{
    if (m_slot < 0)
        return;
    m_file.close();
    ::unlink(m_path.c_str());
    forgetTemporaryFile(m_slot);
}

void TemporaryFile::replaceTarget()
{
    // fsync is refused (EINVAL) only where there is nothing to flush.
    if ((::fsync(m_file.get()) != 0 && errno != EINVAL) || !m_file.close())
        throw FileError(m_shownPath, 0, systemCause("cannot write the file", errno));
    if (::rename(m_path.c_str(), m_target.c_str()) != 0)
        throw FileError(m_shownPath, 0, systemCause("cannot replace the file", errno));
    forgetTemporaryFile(std::exchange(m_slot, -1));
}

} // namespace kestrelon
