// The contact refresh that writes only what may have changed must leave the table exactly as
// rewriting every other unit's entry before every turn would: checked turn by turn against
// that full refresh while simulated scripts move, hurt, overwrite and resize.
#include "sim/ContactRefresh.h"

#include "platform/RandomGenerator.h"

#include <gtest/gtest.h>

#include <random>

namespace kestrelon::sim {
namespace {

// The full refresh: every unit but the one whose turn it is, in index order.
void fullRefresh(Game& game, AvatarTable& avatars, std::int32_t unit)
{
    for (std::int32_t j = 1; j <= avatars.NumAvatars(); ++j) {
        if (j != unit)
            game.SetContactPos(avatars(j).Team, j, avatars(j).xPos, avatars(j).yPos, avatars(j).zPos, false,
                               avatars(j).Maxlife);
    }
}

std::vector<Contact> tableOf(const Game& game)
{
    std::vector<Contact> table;
    for (std::int32_t i = 0; i <= game.NumContacts(); ++i)
        table.push_back(game.contact(i));
    return table;
}

// Two battles side by side, one refreshed fully, one by ContactRefresh; each turn applies
// the same random changes to both.
class TwinBattles {
public:
    explicit TwinBattles(std::int32_t units)
        : m_fullGame(m_fullUnits, nullptr, m_randomA), m_game(m_units, nullptr, m_randomB), m_refresh(m_game, m_units)
    {
        for (std::int32_t i = 1; i <= units; ++i) {
            for (AvatarTable* table : {&m_fullUnits, &m_units}) {
                Avatar& unit = table->grow();
                unit.Team = 1 + i % 2;
                unit.Maxlife = 100;
                unit.xPos = i;
            }
        }
        m_fullGame.SetNumContacts(units);
        m_game.SetNumContacts(units);
        m_refresh.start();
    }

    void turn(std::int32_t unit, std::mt19937& rng)
    {
        fullRefresh(m_fullGame, m_fullUnits, unit);
        EXPECT_FALSE(m_refresh.beforeTurn(unit).has_value());
        ASSERT_EQ(tableOf(m_fullGame), tableOf(m_game)) << "before the turn of unit " << unit;
        const std::uint32_t seed = rng();
        act(m_fullGame, m_fullUnits, unit, seed);
        act(m_game, m_units, unit, seed);
        m_refresh.afterTurn(unit);
    }

private:
    // What a script may do in its turn: move its own unit, change its team or life, attack
    // another unit, write an entry itself, or resize the table to its size again.
    static void act(Game& game, AvatarTable& units, std::int32_t unit, std::uint32_t seed)
    {
        std::mt19937 rng(seed);
        const std::int32_t n = units.NumAvatars();
        const auto any = [&] { return static_cast<std::int32_t>(rng() % static_cast<std::uint32_t>(n)) + 1; };
        switch (rng() % 6) {
        case 0: units(unit).xPos += 1.5; break;
        case 1: units(unit).Team = 3 - units(unit).Team; break;
        case 2: game.Attack(any(), 7); break;
        case 3: game.SetContactPos(9, any(), -1, -2, -3, false, 1); break;
        case 4: game.SetNumContacts(n); break;
        default: units(unit).Maxlife -= 1; break;
        }
    }

    AvatarTable m_fullUnits;
    AvatarTable m_units;
    RandomGenerator m_randomA;
    RandomGenerator m_randomB;
    Game m_fullGame;
    Game m_game;
    ContactRefresh m_refresh;
};

TEST(ContactRefreshTest, GivesTheSameTableAsTheFullRefreshBeforeEveryTurn)
{
    std::mt19937 rng(20240611);
    TwinBattles battles(7);
    for (int pass = 0; pass < 40; ++pass) {
        for (std::int32_t unit = 1; unit <= 7; ++unit) {
            battles.turn(unit, rng);
            if (::testing::Test::HasFatalFailure())
                return;
        }
    }
}

TEST(ContactRefreshTest, OwnEntryKeepsItsValueFromTheTurnBefore)
{
    AvatarTable units;
    RandomGenerator random;
    Game game(units, nullptr, random);
    for (std::int32_t i = 1; i <= 3; ++i) {
        units.grow().xPos = 10 * i;
        units(i).Maxlife = 5;
    }
    game.SetNumContacts(3);
    ContactRefresh refresh(game, units);
    refresh.start();

    refresh.beforeTurn(1);
    EXPECT_EQ(game.contact(1), Contact{}); // never written yet
    EXPECT_EQ(game.contact(3).X, 30);      // the last unit is a contact like any other
    units(1).xPos = 11;
    refresh.afterTurn(1);

    refresh.beforeTurn(2);
    EXPECT_EQ(game.contact(1).X, 11);
    refresh.afterTurn(2);
    refresh.beforeTurn(3);
    refresh.afterTurn(3);

    units(1).xPos = 99; // unit 1 moves before its own turn: its entry does not follow
    refresh.beforeTurn(1);
    EXPECT_EQ(game.contact(1).X, 11);
    EXPECT_EQ(game.contact(2).X, 20);
}

TEST(ContactRefreshTest, AShrunkTableFailsTheNextRefreshAndKeepsTheEntriesDue)
{
    AvatarTable units;
    RandomGenerator random;
    Game game(units, nullptr, random);
    for (std::int32_t i = 1; i <= 4; ++i)
        units.grow().xPos = i;
    game.SetNumContacts(4);
    ContactRefresh refresh(game, units);
    refresh.start();
    refresh.beforeTurn(1);
    game.SetNumContacts(2); // a script shrinks the table
    refresh.afterTurn(1);
    const auto failure = refresh.beforeTurn(2);
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->number(), 9);
    EXPECT_EQ(game.contact(1).X, 1);
    game.SetNumContacts(4);
    refresh.afterTurn(2);
    EXPECT_FALSE(refresh.beforeTurn(1).has_value());
    EXPECT_EQ(game.contact(4).X, 4);
}

} // namespace
} // namespace kestrelon::sim
