// The contact table the Game object shows the scripts, kept together with what answers its
// most frequent question, the nearest living contact of a team, without looking at every
// entry: a grid per team of the living entries and the bounds of all coordinates.
#pragma once

#include "sim/ContactGrid.h"

#include <cstddef>
#include <cstdint>
#include <unordered_map>
#include <vector>

namespace kestrelon::sim {

// One entry of the contact table: a unit as the scripts of the other units see it.
struct Contact {
    double X = 0;
    double Y = 0;
    double Z = 0;
    std::int32_t Team = 0;
    std::int32_t Health = 0;

    friend bool operator==(const Contact&, const Contact&) = default;
};

// Every distance to a contact is taken this way, in this order of operations, so that the
// nearest-contact search and DistFromMe agree to the last bit.
inline double squaredDistance(double x, double y, double z, const Contact& c)
{
    const double dx = x - c.X;
    const double dy = y - c.Y;
    const double dz = z - c.Z;
    return dx * dx + dy * dy + dz * dz;
}

// A nearest-contact answer: the entry (0 when no entry qualifies) and whether the distance
// of some entry, of any team, left the number range, which the caller reports as an overflow.
struct Closest {
    std::int32_t index = 0;
    bool overflow = false;

    friend bool operator==(const Closest&, const Closest&) = default;
};

class ContactIndex {
public:
    std::size_t size() const { return m_entries.size(); }
    bool empty() const { return m_entries.empty(); }
    const Contact& operator[](std::size_t index) const { return m_entries[index]; }

    // New entries hold Contact{}. Throws std::bad_alloc, the table unchanged, when memory runs out.
    void resize(std::size_t count);
    void set(std::size_t index, const Contact& value);

    // The nearest entry of team with Health > 0 among 1 .. size - 1, always what scan answers.
    // Not const: it may first tighten the coordinate bounds that rule out an overflow.
    Closest closest(double x, double y, double z, std::int32_t team);

    // The look at every entry that defines the answer: the first entry at the least rooted
    // distance wins; distances are compared by their squares first, which is cheaper and
    // agrees, and every entry's distance counts for the overflow.
    static Closest scan(const std::vector<Contact>& entries, double x, double y, double z, std::int32_t team);

private:
    // Lowest and highest finite coordinates of the entries whose coordinates are all finite.
    struct Bounds {
        double low[3];
        double high[3];
    };

    void rebuild();
    void rebuildGrids();
    void moveInGrids(std::int32_t index, const Contact& was);
    void dropGrids();
    void recomputeBounds();
    void noteBounds(const Contact& was, const Contact& now);
    bool mayOverflow(double x, double y, double z);

    std::vector<Contact> m_entries; // entries 0 .. NumContacts; entry 0 is never a candidate
    std::unordered_map<std::int32_t, ContactGrid> m_grids; // living entries with finite X and Z, by team
    bool m_gridsKept = true; // false once memory ran out while keeping them: scan answers then
    Bounds m_bounds{};
    bool m_boundsTight = true;      // no entry on a bound has moved since they were computed
    std::int32_t m_nonFinite = 0;   // entries with a coordinate that is infinite or NaN
};

} // namespace kestrelon::sim
