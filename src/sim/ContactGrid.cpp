// A team's grid and its nearest-member search. Cell edges are widened by a margin and the best
// distance by a slack, both far beyond what rounding can lose, so no member that beats or ties
// the best found is ever left unseen: the answer is the one a look at every member gives.
#include "sim/ContactGrid.h"

#include "sim/ContactIndex.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <limits>

namespace kestrelon::sim {
namespace {

// Relative widening of cell edges and of the best distance: millions of times what the
// arithmetic can lose, and still too small to change which cells are looked at in practice.
constexpr double Slack = 1e-9;

} // namespace

// The best member so far and the squared distance beyond which a cell cannot hold a member
// that beats it or ties it (a tie at the same rooted distance goes to the lower index).
struct ContactGrid::Best {
    std::int32_t index = 0;
    double distance = 0;
    double squareLimit = std::numeric_limits<double>::infinity();

    void consider(std::int32_t candidate, double square)
    {
        if (square > squareLimit)
            return; // beyond the slack its root is larger too: no need to take it
        const double d = std::sqrt(square);
        if (index != 0 && (d > distance || (d == distance && candidate > index)))
            return;
        index = candidate;
        distance = d;
        const double limit = d * (1 + Slack);
        squareLimit = limit * limit;
    }

    // Whether a cell this far along each axis from the point can be passed over.
    bool excludes(double dx, double dz) const { return dx * dx + dz * dz > squareLimit; }
};

// The cell the search starts from: the asked point's own, or the nearest used one when the
// point lies beyond the used cells.
struct ContactGrid::Start {
    std::int32_t column;
    std::int32_t row;

    bool within(std::int32_t column, std::int32_t row, std::int32_t rings) const
    {
        return std::abs(column - this->column) <= rings && std::abs(row - this->row) <= rings;
    }
};

double ContactGrid::columnPosition(double x) const
{
    return std::floor((x - m_originX) * m_inverseCell);
}

double ContactGrid::rowPosition(double z) const
{
    return std::floor((z - m_originZ) * m_inverseCell);
}

std::int32_t ContactGrid::bucketOf(double x, double z) const
{
    const double column = columnPosition(x);
    const double row = rowPosition(z);
    if (!(column >= 0 && column < m_columns && row >= 0 && row < m_rows))
        return outsideBucket();
    return static_cast<std::int32_t>(row) * m_columns + static_cast<std::int32_t>(column);
}

ContactGrid::Start ContactGrid::startFor(double x, double z) const
{
    const double column =
        std::clamp(columnPosition(x), static_cast<double>(m_used.left), static_cast<double>(m_used.right));
    const double row = std::clamp(rowPosition(z), static_cast<double>(m_used.bottom), static_cast<double>(m_used.top));
    return {static_cast<std::int32_t>(column), static_cast<std::int32_t>(row)};
}

// How far x lies from a column's widened edges along the x axis (0 inside it).
double ContactGrid::columnGap(std::int32_t column, double x) const
{
    const double low = m_originX + column * m_cell - m_margin;
    const double high = m_originX + (column + 1) * m_cell + m_margin;
    return std::max({0.0, low - x, x - high});
}

double ContactGrid::rowGap(std::int32_t row, double z) const
{
    const double low = m_originZ + row * m_cell - m_margin;
    const double high = m_originZ + (row + 1) * m_cell + m_margin;
    return std::max({0.0, low - z, z - high});
}

// The used cells only ever grow until the next layout, so they always hold every member.
void ContactGrid::noteUsed(std::int32_t bucket)
{
    if (bucket == outsideBucket())
        return;
    const std::int32_t column = bucket % m_columns;
    const std::int32_t row = bucket / m_columns;
    m_used = {std::min(m_used.left, column), std::max(m_used.right, column), std::min(m_used.bottom, row),
              std::max(m_used.top, row)};
}

bool ContactGrid::sameCell(const Contact& from, const Contact& to) const
{
    return bucketOf(from.X, from.Z) == bucketOf(to.X, to.Z);
}

void ContactGrid::insert(std::int32_t index, const std::vector<Contact>& entries)
{
    const Contact& c = entries[static_cast<std::size_t>(index)];
    const std::int32_t bucket = bucketOf(c.X, c.Z);
    m_buckets[static_cast<std::size_t>(bucket)].push_back(index);
    ++m_members;
    noteUsed(bucket);
    if (needsLayout())
        layOut(entries);
}

void ContactGrid::remove(std::int32_t index, const Contact& was, const std::vector<Contact>& entries)
{
    std::vector<std::int32_t>& bucket = m_buckets[static_cast<std::size_t>(bucketOf(was.X, was.Z))];
    const auto found = std::find(bucket.begin(), bucket.end(), index);
    assert(found != bucket.end()); // a member is always in the cell of the place it was put at
    *found = bucket.back();
    bucket.pop_back();
    --m_members;
    if (needsLayout())
        layOut(entries);
}

// Laid out again when many members have walked off the grid, or the team has grown or
// shrunk so much that the cells no longer suit its number.
bool ContactGrid::needsLayout() const
{
    const auto outside = static_cast<std::int32_t>(m_buckets.back().size());
    return outside > m_outsideAllowed || m_members > 2 * m_membersAtLayout + 8 ||
           (m_membersAtLayout > 64 && m_members < m_membersAtLayout / 4);
}

void ContactGrid::layOut(const std::vector<Contact>& entries)
{
    std::vector<std::int32_t> members;
    members.reserve(static_cast<std::size_t>(m_members));
    for (const std::vector<std::int32_t>& bucket : m_buckets)
        members.insert(members.end(), bucket.begin(), bucket.end());
    build(members, entries);
}

void ContactGrid::build(const std::vector<std::int32_t>& members, const std::vector<Contact>& entries)
{
    std::vector<double> xs;
    std::vector<double> zs;
    xs.reserve(members.size());
    zs.reserve(members.size());
    for (const std::int32_t i : members) {
        xs.push_back(entries[static_cast<std::size_t>(i)].X);
        zs.push_back(entries[static_cast<std::size_t>(i)].Z);
    }
    const Extent x = coreExtent(xs);
    const Extent z = coreExtent(zs);
    chooseGeometry(x.low, x.high, z.low, z.high, members.size());
    std::vector<std::vector<std::int32_t>> buckets(static_cast<std::size_t>(outsideBucket()) + 1);
    for (const std::int32_t i : members) {
        const Contact& c = entries[static_cast<std::size_t>(i)];
        buckets[static_cast<std::size_t>(bucketOf(c.X, c.Z))].push_back(i);
    }
    m_buckets.swap(buckets);
    m_used = {m_columns, -1, m_rows, -1};
    for (std::int32_t bucket = 0; bucket < outsideBucket(); ++bucket) {
        if (!m_buckets[static_cast<std::size_t>(bucket)].empty())
            noteUsed(bucket);
    }
    m_members = static_cast<std::int32_t>(members.size());
    m_membersAtLayout = m_members;
    m_outsideAllowed = static_cast<std::int32_t>(m_buckets.back().size()) + 8 + m_members / 64;
}

// Where most of the team stands along one axis: a unit far from the rest (a script may put
// one anywhere) is left to the outside bucket rather than stretch every cell to reach it.
ContactGrid::Extent ContactGrid::coreExtent(std::vector<double>& values)
{
    if (values.empty())
        return {0, 0};
    const auto [lowest, highest] = std::minmax_element(values.begin(), values.end());
    Extent extent{*lowest, *highest};
    if (values.size() < 64)
        return extent;
    const auto quantile = [&values](std::size_t rank) {
        std::nth_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(rank), values.end());
        return values[rank];
    };
    const double low = quantile(values.size() / 64);
    const double high = quantile(values.size() - 1 - values.size() / 64);
    const double reach = high - low;
    return {std::max(extent.low, low - reach), std::min(extent.high, high + reach)};
}

// Square cells, about one per three members over the team's extent widened by an eighth on
// each side (room to move before the grid must be laid out again); fewer, fuller cells cost
// less than many empty ones between armies that stand apart. An extent the number range
// cannot measure gets no cells: every member then waits in the outside bucket.
void ContactGrid::chooseGeometry(double minX, double maxX, double minZ, double maxZ, std::size_t count)
{
    m_columns = 0;
    m_rows = 0;
    const double span = std::max(maxX - minX, maxZ - minZ);
    const double pad = span > 0 ? span / 8 : 1;
    const double width = maxX - minX + 2 * pad;
    const double height = maxZ - minZ + 2 * pad;
    const double cells = std::max<double>(static_cast<double>(count) / 3, 1);
    const double cell = std::max(std::sqrt(width * height / cells), std::max(width, height) / cells);
    if (count == 0 || !std::isfinite(width) || !std::isfinite(height) || !(cell > 0) || !std::isfinite(cell))
        return;
    m_originX = minX - pad;
    m_originZ = minZ - pad;
    m_cell = cell;
    m_inverseCell = 1 / cell;
    // width / cell and height / cell are at most cells, so the grid has at most 3 cells + 1.
    m_columns = static_cast<std::int32_t>(width / cell) + 1;
    m_rows = static_cast<std::int32_t>(height / cell) + 1;
    m_margin = Slack * (std::abs(m_originX) + std::abs(m_originZ) + (m_columns + m_rows + 2.0) * cell);
}

void ContactGrid::lookIn(std::int32_t bucket, const Point& p, const std::vector<Contact>& entries, Best& best) const
{
    for (const std::int32_t i : m_buckets[static_cast<std::size_t>(bucket)])
        best.consider(i, squaredDistance(p.x, p.y, p.z, entries[static_cast<std::size_t>(i)]));
}

// Members outside the grid are looked at one by one; in the grid, square rings of cells
// around the start give a first member, then the rows and columns outward from the start are
// looked at for as long as their cells may still hold a nearer member or a tie.
std::int32_t ContactGrid::nearest(double x, double y, double z, const std::vector<Contact>& entries) const
{
    const Point p{x, y, z};
    Best best;
    lookIn(outsideBucket(), p, entries, best);
    if (m_columns == 0 || m_members == static_cast<std::int32_t>(m_buckets.back().size()))
        return best.index;
    const Start start = startFor(x, z);
    const std::int32_t rings = best.index == 0 ? searchRings(start, p, entries, best) : -1;
    if (best.index != 0)
        searchDisk(start, rings, p, entries, best);
    return best.index;
}

// Looks at the rings around the start until one holds a member; returns the rings looked at.
std::int32_t ContactGrid::searchRings(const Start& start, const Point& p, const std::vector<Contact>& entries,
                                      Best& best) const
{
    const std::int32_t lastRing = std::max({start.column - m_used.left, m_used.right - start.column,
                                            start.row - m_used.bottom, m_used.top - start.row});
    std::int32_t ring = 0;
    for (; ring <= lastRing && best.index == 0; ++ring) {
        const std::int32_t left = std::max(start.column - ring, m_used.left);
        const std::int32_t right = std::min(start.column + ring, m_used.right);
        const std::int32_t top = std::min(start.row + ring, m_used.top);
        for (std::int32_t row = std::max(start.row - ring, m_used.bottom); row <= top; ++row) {
            const bool edgeRow = std::abs(row - start.row) == ring;
            for (std::int32_t column = left; column <= right; ++column) {
                if (edgeRow || std::abs(column - start.column) == ring)
                    lookIn(row * m_columns + column, p, entries, best);
                else
                    column = std::max(column, start.column + ring - 1); // skip the ring's inside
            }
        }
    }
    return ring - 1;
}

// No cell lies nearer along x than the start's column, so a row is passed over, and the rows
// beyond it, once that gap and the row's own are too far together.
void ContactGrid::searchDisk(const Start& start, std::int32_t rings, const Point& p,
                             const std::vector<Contact>& entries, Best& best) const
{
    const double dx = columnGap(start.column, p.x);
    for (std::int32_t row = start.row; row <= m_used.top; ++row) {
        const double dz = rowGap(row, p.z);
        if (best.excludes(dx, dz))
            break;
        searchRow(start, row, dz, rings, p, entries, best);
    }
    for (std::int32_t row = start.row - 1; row >= m_used.bottom; --row) {
        const double dz = rowGap(row, p.z);
        if (best.excludes(dx, dz))
            break;
        searchRow(start, row, dz, rings, p, entries, best);
    }
}

// Gaps grow steadily away from the start's column, so the first cell too far ends each way.
void ContactGrid::searchRow(const Start& start, std::int32_t row, double dz, std::int32_t rings, const Point& p,
                            const std::vector<Contact>& entries, Best& best) const
{
    for (std::int32_t column = start.column; column <= m_used.right; ++column) {
        if (best.excludes(columnGap(column, p.x), dz))
            break;
        if (!start.within(column, row, rings))
            lookIn(row * m_columns + column, p, entries, best);
    }
    for (std::int32_t column = start.column - 1; column >= m_used.left; --column) {
        if (best.excludes(columnGap(column, p.x), dz))
            break;
        if (!start.within(column, row, rings))
            lookIn(row * m_columns + column, p, entries, best);
    }
}

} // namespace kestrelon::sim
