// The nearest-contact search through the team grids against the look at every entry, on
// thousands of random tables that change between questions: equal distances, cell borders,
// far, negative and huge coordinates, NaN and infinity, dead entries, teams beyond 1 and 2.
#include "sim/ContactIndex.h"
#include "sim/Game.h"
#include "vbscript/values/ScriptError.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <functional>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace kestrelon::sim {
namespace {

using Random = std::mt19937_64;
using Point = std::array<double, 3>;

// The answer the Game object has always given: the first entry at the least rooted distance,
// squares compared first; any entry's distance beyond the number range is an overflow.
Closest everyEntry(const std::vector<Contact>& entries, const Point& p, std::int32_t team)
{
    Closest found;
    double bestSquare = 0;
    double bestDistance = 0;
    for (std::size_t i = 1; i < entries.size(); ++i) {
        const Contact& c = entries[i];
        const double s = (p[0] - c.X) * (p[0] - c.X) + (p[1] - c.Y) * (p[1] - c.Y) + (p[2] - c.Z) * (p[2] - c.Z);
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

double uniform(Random& random, double low, double high)
{
    return std::uniform_real_distribution<double>(low, high)(random);
}

bool chance(Random& random, double p)
{
    return uniform(random, 0, 1) < p;
}

template <typename T>
T pick(Random& random, std::initializer_list<T> values)
{
    std::uniform_int_distribution<std::size_t> which(0, values.size() - 1);
    return values.begin()[which(random)];
}

// A coordinate of ground near the origin, with an occasional value from extra.
std::function<double(Random&)> mostly(double low, double high, double share, std::function<double(Random&)> extra)
{
    return [=](Random& random) { return chance(random, share) ? extra(random) : uniform(random, low, high); };
}

// Where a scenario puts entries and asks from; the share of questions the grids must answer
// (no overflow) shows the test reaches them, and some scenarios must reach the overflow.
struct Scenario {
    const char* name;
    std::function<double(Random&)> coordinate;
    bool flat;      // every Y is 0, as deployed units stand
    bool sphere;    // entries on a sphere around the origin: equal roots of unequal squares
    double minimumAnswered;
    bool wantsOverflow;
};

const double nan = std::numeric_limits<double>::quiet_NaN();
const double inf = std::numeric_limits<double>::infinity();

const Scenario scenarios[] = {
    {"battlefield", [](Random& r) { return uniform(r, 0, 800); }, true, false, 0.99, false},
    {"lattice", [](Random& r) { return 2.5 * std::uniform_int_distribution<int>(-4, 12)(r); }, true, false, 0.99,
     false},
    {"spread", mostly(-1000, 1000, 0.2, [](Random& r) { return pick(r, {-1.0, 1.0}) * uniform(r, 1e6, 1e12); }),
     false, false, 0.99, false},
    {"huge", mostly(-50, 50, 0.001, [](Random& r) { return pick(r, {-1.0, 1.0}) * uniform(r, 1e153, 1e155); }),
     false, false, 0.2, true},
    {"non-finite", mostly(-100, 100, 0.002, [](Random& r) { return pick(r, {nan, inf, -inf}); }), false, false, 0.2,
     true},
    {"sphere", [](Random& r) { return uniform(r, -1, 1); }, false, true, 0.99, false},
};

void PrintTo(const Scenario& scenario, std::ostream* out)
{
    *out << scenario.name;
}

class ContactIndexTest : public testing::TestWithParam<Scenario> {
protected:
    Point place()
    {
        const Scenario& s = GetParam();
        Point p{s.coordinate(random), s.flat ? 0 : s.coordinate(random), s.coordinate(random)};
        if (s.sphere) {
            const double length = std::sqrt(p[0] * p[0] + p[1] * p[1] + p[2] * p[2]);
            for (double& v : p)
                v = v / length * 1000;
        }
        return p;
    }

    Contact contact()
    {
        const Point p = place();
        return {p[0], p[1], p[2], pick(random, {1, 2, 1, 2, 0, -7, 40000}), pick(random, {100, 100, 100, 1, 0, -5})};
    }

    // Small steps, jumps, deaths, revivals and changes of side, as scripts and the run make them.
    Contact changed(Contact c)
    {
        switch (std::uniform_int_distribution<int>(0, 4)(random)) {
        case 0:
            c.X += uniform(random, -5, 5);
            c.Z += uniform(random, -5, 5);
            return c;
        case 1: c.Health = pick(random, {0, 100}); return c;
        case 2: c.Team = pick(random, {1, 2, 3}); return c;
        case 3: {
            const Point p = place();
            return {p[0], p[1], p[2], c.Team, c.Health};
        }
        default: return contact();
        }
    }

    // The asked point: anywhere, on an entry, or halfway between two, where distances tie.
    Point question()
    {
        const auto entry = [&] {
            return mirror[std::uniform_int_distribution<std::size_t>(0, mirror.size() - 1)(random)];
        };
        const int kind = std::uniform_int_distribution<int>(0, 3)(random);
        if (kind == 0 || mirror.empty() || (GetParam().sphere && kind == 1))
            return GetParam().sphere ? Point{0, 0, 0} : place();
        const Contact a = entry();
        const Contact b = kind == 2 ? entry() : a;
        return {(a.X + b.X) / 2, (a.Y + b.Y) / 2, (a.Z + b.Z) / 2};
    }

    void write(std::size_t i, const Contact& c)
    {
        index.set(i, c);
        mirror[i] = c;
        lastWritten = i;
    }

    void resize(std::size_t count)
    {
        index.resize(count);
        mirror.resize(count);
    }

    Random random{std::hash<std::string>{}(GetParam().name)};
    ContactIndex index;
    std::vector<Contact> mirror;
    std::size_t lastWritten = 0;
};

TEST_P(ContactIndexTest, AnswersAsTheLookAtEveryEntryWhileTheTableChanges)
{
    int questions = 0;
    int answered = 0;
    int overflows = 0;
    for (int table = 0; table < 150; ++table) {
        resize(std::uniform_int_distribution<std::size_t>(0, table % 10 == 0 ? 3000 : 300)(random));
        for (std::size_t i = 0; i < mirror.size(); ++i)
            write(i, contact());
        for (int step = 0; step < 60; ++step) {
            const int op = std::uniform_int_distribution<int>(0, 19)(random);
            if (op < 6 && !mirror.empty()) {
                const auto i = std::uniform_int_distribution<std::size_t>(0, mirror.size() - 1)(random);
                write(i, changed(mirror[i]));
            } else if (op == 6) {
                resize(std::uniform_int_distribution<std::size_t>(0, 300)(random));
            } else if (op == 7) {
                for (std::size_t i = 1; i < mirror.size(); ++i) { // an army marching off its ground
                    Contact c = mirror[i];
                    c.X += c.Team == 1 ? 40 : 0;
                    write(i, c);
                }
            } else {
                // Half the questions ask from where the last write put an entry, for its team.
                const bool fromWritten = op < 13 && !mirror.empty();
                const Contact& last = mirror[std::min(lastWritten, mirror.size() - 1)];
                const Point p = fromWritten ? Point{last.X, last.Y, last.Z} : question();
                const std::int32_t team = fromWritten ? last.Team : pick(random, {1, 2, 0, -7, 40000, 5});
                const Closest expected = everyEntry(mirror, p, team);
                ASSERT_EQ(index.closest(p[0], p[1], p[2], team), expected)
                    << "table " << table << " step " << step << " at (" << p[0] << ", " << p[1] << ", " << p[2]
                    << ") team " << team << ", expected entry " << expected.index;
                ++questions;
                answered += expected.overflow ? 0 : 1;
                overflows += expected.overflow ? 1 : 0;
            }
        }
    }
    EXPECT_GE(answered, GetParam().minimumAnswered * questions);
    EXPECT_EQ(overflows > 0, GetParam().wantsOverflow);
}

INSTANTIATE_TEST_SUITE_P(Scenarios, ContactIndexTest, testing::ValuesIn(scenarios),
                         [](const testing::TestParamInfo<Scenario>& info) {
                             std::string name = info.param.name;
                             std::erase(name, '-');
                             return name;
                         });

// Every way the Game object writes its table reaches the grids: SetNumContacts, SetContactPos
// and the run's refresh, seen through WhoClosest and its overflow error.
TEST(ContactIndexGameTest, WhoClosestFollowsEveryWriteToTheTable)
{
    AvatarTable avatars;
    RandomGenerator generator{5};
    Game game{avatars, nullptr, generator};
    Avatar& unit = avatars.grow();
    Random random{11};
    const auto count = [&](int high) { return std::uniform_int_distribution<std::int32_t>(0, high)(random); };
    const auto coordinate = [&] { return chance(random, 0.01) ? 1e200 : uniform(random, -100, 100); };
    game.SetNumContacts(30);
    int overflows = 0;
    for (int step = 0; step < 3000; ++step) {
        const int op = count(9);
        const std::int32_t i = count(game.NumContacts());
        if (op == 0) {
            game.SetNumContacts(count(60));
        } else if (op < 4) {
            game.SetContactPos(count(3), i, coordinate(), coordinate(), coordinate(), false, count(2));
        } else if (op < 6) {
            unit.xPos = coordinate();
            unit.zPos = coordinate();
            unit.Team = count(3);
            unit.Maxlife = count(2);
            game.refreshContact(i, unit);
        } else {
            std::vector<Contact> entries;
            for (std::int32_t k = 0; k <= game.NumContacts(); ++k)
                entries.push_back(game.contact(k));
            const Point p{uniform(random, -100, 100), 0, uniform(random, -100, 100)};
            const Closest expected = everyEntry(entries, p, 1);
            try {
                EXPECT_EQ(game.WhoClosest(p[0], p[1], p[2], 1).asLong(), expected.index) << "step " << step;
                EXPECT_FALSE(expected.overflow) << "step " << step;
            } catch (const vbs::ScriptError& error) {
                EXPECT_EQ(error.number(), 6);
                EXPECT_TRUE(expected.overflow) << "step " << step;
                ++overflows;
            }
        }
    }
    EXPECT_GT(overflows, 0);
}

} // namespace
} // namespace kestrelon::sim
