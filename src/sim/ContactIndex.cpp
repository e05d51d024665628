// Keeping the per-team grids in step with every write to the table, and choosing between the
// grids and the look at every entry: the grids answer only when no distance can overflow, as
// only the full look knows which entry the overflowing search would have named.
#include "sim/ContactIndex.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <limits>
#include <new>

namespace kestrelon::sim {
namespace {

bool allFinite(const Contact& c)
{
    return std::isfinite(c.X) && std::isfinite(c.Y) && std::isfinite(c.Z);
}

// Entries a grid holds: the living ones that have a place on the ground.
bool onGrid(const Contact& c)
{
    return c.Health > 0 && std::isfinite(c.X) && std::isfinite(c.Z);
}

double coordinate(const Contact& c, int axis)
{
    return axis == 0 ? c.X : axis == 1 ? c.Y : c.Z;
}

} // namespace

Closest ContactIndex::scan(const std::vector<Contact>& entries, double x, double y, double z, std::int32_t team)
{
    Closest found;
    double bestSquare = 0;
    double bestDistance = 0;
    for (std::size_t i = 1; i < entries.size(); ++i) {
        const Contact& c = entries[i];
        const double s = squaredDistance(x, y, z, c);
        found.overflow |= !(s <= std::numeric_limits<double>::max());
        if (c.Team != team || c.Health <= 0 || (found.index != 0 && !(s < bestSquare)))
            continue;
        const double d = std::sqrt(s);
        if (found.index == 0 || d < bestDistance) {
            found.index = static_cast<std::int32_t>(i);
            bestSquare = s;
            bestDistance = d;
        }
    }
    return found;
}

// With every squared distance finite, the scan's answer is the lowest index at the least
// rooted distance, which is what the team's grid finds.
Closest ContactIndex::closest(double x, double y, double z, std::int32_t team)
{
    if (!m_gridsKept || m_nonFinite > 0 || !std::isfinite(x) || !std::isfinite(y) || !std::isfinite(z) ||
        mayOverflow(x, y, z))
        return scan(m_entries, x, y, z, team);
    const auto grid = m_grids.find(team);
    return {grid == m_grids.end() ? 0 : grid->second.nearest(x, y, z, m_entries), false};
}

void ContactIndex::resize(std::size_t count)
{
    m_entries.resize(count);
    rebuild();
}

void ContactIndex::set(std::size_t index, const Contact& value)
{
    const Contact was = m_entries[index];
    m_entries[index] = value;
    if (index == 0)
        return;
    noteBounds(was, value);
    if (!m_gridsKept)
        return;
    try {
        moveInGrids(static_cast<std::int32_t>(index), was);
    } catch (const std::bad_alloc&) {
        dropGrids();
    }
}

void ContactIndex::moveInGrids(std::int32_t index, const Contact& was)
{
    const Contact& now = m_entries[static_cast<std::size_t>(index)];
    if (onGrid(was)) {
        const auto grid = m_grids.find(was.Team);
        assert(grid != m_grids.end()); // every entry on the ground and alive is in its team's grid
        if (onGrid(now) && now.Team == was.Team && grid->second.sameCell(was, now))
            return;
        grid->second.remove(index, was, m_entries);
        if (grid->second.members() == 0)
            m_grids.erase(grid);
    }
    if (onGrid(now))
        m_grids[now.Team].insert(index, m_entries);
}

// Memory ran out while a grid changed: the grids may no longer match the table, so they are
// let go and the full look answers until the table is sized again.
void ContactIndex::dropGrids()
{
    m_grids.clear();
    m_gridsKept = false;
}

void ContactIndex::rebuild()
{
    recomputeBounds();
    m_grids.clear();
    try {
        rebuildGrids();
        m_gridsKept = true;
    } catch (const std::bad_alloc&) {
        dropGrids();
    }
}

void ContactIndex::rebuildGrids()
{
    std::unordered_map<std::int32_t, std::vector<std::int32_t>> teams;
    for (std::size_t i = 1; i < m_entries.size(); ++i) {
        if (onGrid(m_entries[i]))
            teams[m_entries[i].Team].push_back(static_cast<std::int32_t>(i));
    }
    for (const auto& [team, members] : teams)
        m_grids[team].build(members, m_entries);
}

void ContactIndex::recomputeBounds()
{
    constexpr double infinity = std::numeric_limits<double>::infinity();
    m_bounds = {{infinity, infinity, infinity}, {-infinity, -infinity, -infinity}};
    m_nonFinite = 0;
    for (std::size_t i = 1; i < m_entries.size(); ++i)
        noteBounds(Contact{}, m_entries[i]);
    m_boundsTight = true;
}

// Bounds only widen as entries move; one that leaves a bound makes them loose, and they are
// computed again when a loose bound is all that stands between a question and the grids.
void ContactIndex::noteBounds(const Contact& was, const Contact& now)
{
    if (!allFinite(was)) {
        --m_nonFinite;
    } else {
        for (int axis = 0; axis < 3; ++axis) {
            const double v = coordinate(was, axis);
            if (v == m_bounds.low[axis] || v == m_bounds.high[axis])
                m_boundsTight = false;
        }
    }
    if (!allFinite(now)) {
        ++m_nonFinite;
        return;
    }
    for (int axis = 0; axis < 3; ++axis) {
        m_bounds.low[axis] = std::min(m_bounds.low[axis], coordinate(now, axis));
        m_bounds.high[axis] = std::max(m_bounds.high[axis], coordinate(now, axis));
    }
}

// Whether some entry's squared distance may leave the number range. Rounding keeps order, so
// the farther bound on each axis, squared and summed as squaredDistance does it, is at least
// every entry's squared distance.
bool ContactIndex::mayOverflow(double x, double y, double z)
{
    const auto farthest = [this, x, y, z] {
        const double p[3] = {x, y, z};
        double sum = 0;
        for (int axis = 0; axis < 3; ++axis) {
            const double toLow = p[axis] - m_bounds.low[axis];
            const double toHigh = p[axis] - m_bounds.high[axis];
            sum += std::max(toLow * toLow, toHigh * toHigh);
        }
        return sum;
    };
    if (farthest() <= std::numeric_limits<double>::max())
        return false;
    if (m_boundsTight)
        return true;
    recomputeBounds();
    return !(farthest() <= std::numeric_limits<double>::max());
}

} // namespace kestrelon::sim
