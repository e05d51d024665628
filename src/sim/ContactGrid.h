// The living contacts of one team on a uniform grid over the ground (x and z), so the nearest
// of them is found by looking at the cells around the asked point instead of at every entry.
// The grid sizes itself from where the team stands and is laid out again as the team moves on.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace kestrelon::sim {

struct Contact;

class ContactGrid {
public:
    // Every entry added must have finite X and Z; entries are named by their contact index.
    void insert(std::int32_t index, const std::vector<Contact>& entries);
    // Removes an entry, given the values it had when it was added (entries may hold new ones).
    void remove(std::int32_t index, const Contact& was, const std::vector<Contact>& entries);
    // Whether an entry moving from one place to the other stays in the same cell.
    bool sameCell(const Contact& from, const Contact& to) const;
    // Lays the grid out anew for these members (contact indexes into entries).
    void build(const std::vector<std::int32_t>& members, const std::vector<Contact>& entries);

    // The lowest index among the members at the least rooted distance, 0 when there are none.
    // Every member's squared distance to the point must be finite.
    std::int32_t nearest(double x, double y, double z, const std::vector<Contact>& entries) const;

    std::int32_t members() const { return m_members; }

private:
    struct Best;
    struct Start;
    struct Point {
        double x, y, z;
    };
    struct Extent {
        double low, high;
    };
    // A block of cells, edges included.
    struct Cells {
        std::int32_t left, right, bottom, top;
    };

    std::int32_t outsideBucket() const { return m_columns * m_rows; }
    double columnPosition(double x) const;
    double rowPosition(double z) const;
    std::int32_t bucketOf(double x, double z) const;
    Start startFor(double x, double z) const;
    double columnGap(std::int32_t column, double x) const;
    double rowGap(std::int32_t row, double z) const;
    void noteUsed(std::int32_t bucket);
    bool needsLayout() const;
    void layOut(const std::vector<Contact>& entries);
    static Extent coreExtent(std::vector<double>& values);
    void chooseGeometry(double minX, double maxX, double minZ, double maxZ, std::size_t count);
    void lookIn(std::int32_t bucket, const Point& p, const std::vector<Contact>& entries, Best& best) const;
    std::int32_t searchRings(const Start& start, const Point& p, const std::vector<Contact>& entries,
                             Best& best) const;
    void searchDisk(const Start& start, std::int32_t rings, const Point& p, const std::vector<Contact>& entries,
                    Best& best) const;
    void searchRow(const Start& start, std::int32_t row, double dz, std::int32_t rings, const Point& p,
                   const std::vector<Contact>& entries, Best& best) const;

    // Cells row by row (m_columns * m_rows), then the bucket of members outside the grid.
    std::vector<std::vector<std::int32_t>> m_buckets{1};
    double m_originX = 0;
    double m_originZ = 0;
    double m_cell = 1;
    double m_inverseCell = 1;
    double m_margin = 0;
    std::int32_t m_columns = 0;
    std::int32_t m_rows = 0;
    Cells m_used{0, -1, 0, -1}; // every cell that has held a member since the last layout
    std::int32_t m_members = 0;
    std::int32_t m_membersAtLayout = 0;
    std::int32_t m_outsideAllowed = 0;
};

} // namespace kestrelon::sim
