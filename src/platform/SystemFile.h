// The POSIX file calls the text files are built on, wrapped so that no caller forgets to close
// a descriptor, to go on after a short or interrupted read or write, or to name the cause.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <sys/types.h>

namespace kestrelon {

// "what (the system's text for error)": the cause of a FileError from a failed system call.
std::string systemCause(const std::string& what, int error);

// An open file descriptor, closed when it goes out of scope.
class FileDescriptor {
public:
    explicit FileDescriptor(int descriptor = -1) : m_descriptor(descriptor) {}
    ~FileDescriptor();
    FileDescriptor(FileDescriptor&& other) noexcept;
    FileDescriptor& operator=(FileDescriptor&& other) noexcept;
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    bool isOpen() const { return m_descriptor >= 0; }
    int get() const { return m_descriptor; }
    // Closes now, for a writer that must know whether its last writes reached the file; false
    // with errno set when they did not.
    bool close();

private:
    int m_descriptor;
};

// Reads up to size bytes, going on after an interrupting signal; -1 with errno on failure.
ssize_t readSome(int descriptor, char* buffer, std::size_t size);
// Writes all of text, going on after short writes and interrupting signals; false with errno.
bool writeAll(int descriptor, std::string_view text);

} // namespace kestrelon
