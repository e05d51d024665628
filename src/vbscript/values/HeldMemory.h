// What script values hold, counted for the whole program as values are made and freed: the
// heap bytes of their texts and the element slots of their arrays. A script whose values would
// hold more than its budget gets "Out of memory" (7) at the value that would pass it.
// Counting at the values is exact and cheap (each thread counts its own texts and arrays,
// which allocate anyway, and passes its count on in batches); reading the heap instead would
// count the host's own data as well.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <utility>

namespace kestrelon::vbs {

// The bytes script values hold now, in the whole program.
std::size_t heldMemory();

// Counts bytes a value takes. Raises "Out of memory" (7), counting nothing, when the script
// running on this thread would then hold more than its budget; the bytes were just written,
// so they also count as work for its time limit.
void holdMemory(std::size_t bytes);
// Gives back bytes counted by holdMemory.
void releaseMemory(std::size_t bytes) noexcept;

// The heap bytes of a text: a short text keeps its characters inside the string object and
// takes none.
template <typename Char>
std::size_t heapBytesOf(const std::basic_string<Char>& text)
{
    const auto* object = reinterpret_cast<const char*>(&text);
    const auto* data = reinterpret_cast<const char*>(text.data());
    const std::less<const char*> before;
    const bool inside = !before(data, object) && before(data, object + sizeof(text));
    return inside ? 0 : (text.capacity() + 1) * sizeof(Char);
}

// A count of held bytes owned by one part of a value, given back when it goes. A copy holds
// the same bytes again, as a copied value does.
class HeldBytes {
public:
    HeldBytes() = default;
    explicit HeldBytes(std::size_t bytes) { resize(bytes); }
    HeldBytes(const HeldBytes& other) : HeldBytes(other.m_bytes) {}
    HeldBytes(HeldBytes&& other) noexcept : m_bytes(std::exchange(other.m_bytes, 0)) {}
    HeldBytes& operator=(const HeldBytes& other)
    {
        HeldBytes copy(other);
        std::swap(m_bytes, copy.m_bytes);
        return *this;
    }
    HeldBytes& operator=(HeldBytes&& other) noexcept
    {
        if (this != &other) {
            releaseMemory(m_bytes);
            m_bytes = std::exchange(other.m_bytes, 0);
        }
        return *this;
    }
    ~HeldBytes() { releaseMemory(m_bytes); }

    // Counts bytes from now on instead; growing may raise "Out of memory" and change nothing.
    void resize(std::size_t bytes)
    {
        if (bytes > m_bytes)
            holdMemory(bytes - m_bytes);
        else
            releaseMemory(m_bytes - bytes);
        m_bytes = bytes;
    }

private:
    std::size_t m_bytes = 0;
};

} // namespace kestrelon::vbs
