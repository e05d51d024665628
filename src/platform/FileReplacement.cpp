// Replacing output files: what is at the path decides how it is written, links are followed to
// the file that really gets replaced, and the replacement keeps the old file's permissions.
#include "platform/FileReplacement.h"

#include "platform/FileError.h"
#include "platform/SystemFile.h"
#include "platform/TemporaryFile.h"

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kestrelon {
namespace {

// As many links as the system itself follows in one path before it reports a loop.
constexpr int MaxLinkHops = 40;

// The path a symbolic link names; a relative one counts from the link's own folder.
std::string linkTarget(const std::string& link, const std::string& shownPath)
{
    std::string target(PATH_MAX, '\0');
    const ssize_t length = ::readlink(link.c_str(), target.data(), target.size());
    if (length < 0 || static_cast<std::size_t>(length) == target.size())
        throw FileError(shownPath, 0, systemCause("cannot follow the link", length < 0 ? errno : ENAMETOOLONG));
    target.resize(static_cast<std::size_t>(length));
    if (target.front() == '/')
        return target;
    return link.substr(0, link.rfind('/') + 1) + target;
}

// The file that really gets the text: links followed to their end, which may not exist yet.
std::string followLinks(const std::string& path)
{
    std::string current = path;
    for (int hop = 0; hop < MaxLinkHops; ++hop) {
        struct stat status {};
        if (::lstat(current.c_str(), &status) != 0 || !S_ISLNK(status.st_mode))
            return current;
        current = linkTarget(current, path);
    }
    throw FileError(path, 0, systemCause("cannot follow the link", ELOOP));
}

// Root may write any file, yet a file without a single write bit is one its owner keeps as it is.
void refuseReadOnly(const std::string& path, const struct stat& status)
{
    if ((status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
        throw FileError(path, 0, "the file is read-only; it was left as it is");
    if (::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0) {
        const int error = errno;
        throw FileError(path, 0, error == EACCES ? "the file is read-only for you; it was left as it is"
                                                 : systemCause("cannot write the file", error));
    }
}

// Root gives the replacement back to the old file's owner; any other user may still give it the
// old group when a member of it. Where neither is allowed the file stays the writer's own, as
// editors leave it. fchown comes before fchmod, as it clears set-user-ID bits.
void keepOwnerAndPermissions(int descriptor, const struct stat& old, const std::string& path)
{
    if (::fchown(descriptor, old.st_uid, old.st_gid) != 0) {
        [[maybe_unused]] const bool groupKept = ::fchown(descriptor, static_cast<uid_t>(-1), old.st_gid) == 0;
    }
    if (::fchmod(descriptor, old.st_mode & 07777) != 0)
        throw FileError(path, 0, systemCause("cannot keep the file's permissions", errno));
}

} // namespace

FileReplacement::FileReplacement(const std::string& path) : m_path(path)
{
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) {
        if (errno != ENOENT)
            throw FileError(path, 0, systemCause("cannot reach the file", errno));
        openTemporary(nullptr);
        return;
    }
    if (S_ISDIR(status.st_mode))
        throw FileError(path, 0, "is a folder, not a file");
    refuseReadOnly(path, status);
    if (S_ISREG(status.st_mode))
        openTemporary(&status);
    else
        openDirectly();
}

void FileReplacement::openTemporary(const struct stat* old)
{
    m_temporary.emplace(followLinks(m_path), m_path);
    if (old)
        keepOwnerAndPermissions(m_temporary->descriptor(), *old, m_path);
}

// A pipe or device takes the text as it comes: there is no file to put in its place.
void FileReplacement::openDirectly()
{
    m_direct = FileDescriptor(::open(m_path.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC));
    if (!m_direct.isOpen())
        throw FileError(m_path, 0, systemCause("cannot open the file", errno));
}

void FileReplacement::write(std::string_view text)
{
    const int descriptor = m_temporary ? m_temporary->descriptor() : m_direct.get();
    if (!writeAll(descriptor, text))
        throw FileError(m_path, 0, systemCause("cannot write the file", errno));
}

void FileReplacement::commit()
{
    if (m_temporary)
        m_temporary->replaceTarget();
    else if (!m_direct.close())
        throw FileError(m_path, 0, systemCause("cannot write the file", errno));
}

void replaceFile(const std::string& path, std::string_view text)
{
    FileReplacement replacement(path);
    replacement.write(text);
    replacement.commit();
}

} // namespace kestrelon
