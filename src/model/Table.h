// The project's tables: numbered from 1 up to a count that always equals the table's size.
// Entry 0 is kept in storage so that the numbers users and scripts see are the storage
// positions, but it is never handed out.
#pragma once

#include <cassert>
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

namespace kestrelon {

template <typename T>
class Table {
public:
    Table() : m_entries(1) {}

    std::int32_t count() const { return static_cast<std::int32_t>(m_entries.size()) - 1; }

    T& operator[](std::int32_t i)
    {
        assert(i >= 1 && i <= count());
        return m_entries[static_cast<std::size_t>(i)];
    }
    const T& operator[](std::int32_t i) const
    {
        assert(i >= 1 && i <= count());
        return m_entries[static_cast<std::size_t>(i)];
    }

    // Grows the table by one entry holding value; returns the new entry's number.
    std::int32_t add(T value)
    {
        m_entries.push_back(std::move(value));
        return count();
    }

    // Sets the count to n, keeping the entries up to n; new entries start empty.
    void resize(std::int32_t n)
    {
        assert(n >= 0);
        m_entries.resize(static_cast<std::size_t>(n) + 1);
    }

    auto begin() { return m_entries.begin() + 1; }
    auto end() { return m_entries.end(); }
    auto begin() const { return m_entries.begin() + 1; }
    auto end() const { return m_entries.end(); }

    friend bool operator==(const Table& a, const Table& b) { return a.m_entries == b.m_entries; }

private:
    std::vector<T> m_entries;
};

} // namespace kestrelon
