// POSIX descriptors and the read and write loops of the text files.
#include "platform/SystemFile.h"

#include <cerrno>
#include <cstring>
#include <unistd.h>
#include <utility>

namespace kestrelon {

std::string systemCause(const std::string& what, int error)
{
    return what + " (" + std::strerror(error) + ")";
}

FileDescriptor::~FileDescriptor()
{
    close();
}

FileDescriptor::FileDescriptor(FileDescriptor&& other) noexcept
    : m_descriptor(std::exchange(other.m_descriptor, -1))
{
}

FileDescriptor& FileDescriptor::operator=(FileDescriptor&& other) noexcept
{
    if (this != &other) {
        close();
        m_descriptor = std::exchange(other.m_descriptor, -1);
    }
    return *this;
}

bool FileDescriptor::close()
{
    if (m_descriptor < 0)
        return true;
    // Linux releases the descriptor even when close fails, so it is never closed twice.
    return ::close(std::exchange(m_descriptor, -1)) == 0;
}

ssize_t readSome(int descriptor, char* buffer, std::size_t size)
{
    ssize_t count;
    do {
        count = ::read(descriptor, buffer, size);
    } while (count < 0 && errno == EINTR);
    return count;
}

bool writeAll(int descriptor, std::string_view text)
{
    while (!text.empty()) {
        const ssize_t count = ::write(descriptor, text.data(), text.size());
        if (count < 0 && errno == EINTR)
            continue;
        if (count == 0)
            errno = EIO; // a write that takes nothing would otherwise be tried for ever
        if (count <= 0)
            return false;
        text.remove_prefix(static_cast<std::size_t>(count));
    }
    return true;
}

} // namespace kestrelon
