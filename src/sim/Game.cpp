// The Game object's methods and its script binding. Every failure reaches the script as a
// run-time error of the call: a bad index "Subscript out of range", a value out of range or
// a computation that leaves the number range "Overflow", text for an index "Type mismatch".
#include "sim/Game.h"

#include "sim/UnitTrace.h"

#include "an8/SceneText.h"
#include "platform/Dialogs.h"
#include "platform/NumberFormatting.h"
#include "platform/Rounding.h"
#include "sim/UnitCreation.h"
#include "vbscript/values/Coercion.h"
#include "vbscript/values/ScriptError.h"

#include <cmath>
#include <limits>
#include <new>

namespace kestrelon::sim {
namespace {

constexpr const char* SilenceLabel = "Do not show these messages again during this run";

[[noreturn]] void raise(vbs::ErrorCode code)
{
    throw vbs::ScriptError::runtime(code);
}

// A result the number range cannot hold is an overflow, as the scripts' own arithmetic reports it.
double checked(double value)
{
    if (!std::isfinite(value))
        raise(vbs::ErrorCode::Overflow);
    return value;
}

std::int32_t checkedInt32(std::int64_t value)
{
    if (value < std::numeric_limits<std::int32_t>::min() || value > std::numeric_limits<std::int32_t>::max())
        raise(vbs::ErrorCode::Overflow);
    return static_cast<std::int32_t>(value);
}

// A Variant index: any value that stands for a number, rounded half-even; anything else
// (text that is not a number, Null) is a type mismatch.
std::int32_t variantIndex(const vbs::Value& whatC)
{
    if (whatC.isNull())
        raise(vbs::ErrorCode::TypeMismatch);
    return vbs::toLong(whatC);
}

double perFrameStep(double from, double goal, std::int32_t startFrame, std::int32_t endFrame)
{
    const std::int32_t frames = checkedInt32(std::int64_t{startFrame} - endFrame);
    if (frames == 0)
        return 0;
    return checked((from - goal) / frames);
}

} // namespace

Game::Game(AvatarTable& avatars, Dialogs* attackMessages, RandomGenerator& random)
    : m_avatars(avatars), m_attackMessages(attackMessages), m_random(random)
{
}

std::size_t Game::checkedIndex(std::int32_t index) const
{
    if (index < 0 || static_cast<std::size_t>(index) >= m_contacts.size())
        raise(vbs::ErrorCode::SubscriptOutOfRange);
    return static_cast<std::size_t>(index);
}

const Contact& Game::contact(std::int32_t index) const
{
    return m_contacts[checkedIndex(index)];
}

void Game::SetNumContacts(std::int32_t HowMany)
{
    if (HowMany < 0)
        raise(vbs::ErrorCode::SubscriptOutOfRange);
    if (HowMany > MaxUnits)
        raise(vbs::ErrorCode::OutOfMemory);
    try {
        m_contacts.resize(static_cast<std::size_t>(HowMany) + 1);
    } catch (const std::bad_alloc&) {
        raise(vbs::ErrorCode::OutOfMemory);
    }
    m_changes.tableResized = true;
}

void Game::SetContactPos(std::int32_t Team, std::int32_t whatCon, double xPos, double yPos, double zPos, bool Dead,
                         std::int32_t healthZ)
{
    (void)Dead; // accepted for the scripts' sake; a unit's life alone tells whether it is dead
    m_contacts.set(checkedIndex(whatCon), Contact{xPos, yPos, zPos, Team, healthZ});
    m_changes.contactsWritten.push_back(whatCon);
}

void Game::refreshContact(std::int32_t index, const Avatar& unit)
{
    m_contacts.set(checkedIndex(index), Contact{unit.xPos, unit.yPos, unit.zPos, unit.Team, unit.Maxlife});
}

ScriptChanges Game::takeScriptChanges()
{
    ScriptChanges changes = std::move(m_changes);
    m_changes = {};
    return changes;
}

double Game::GetCX(const vbs::Value& whatC)
{
    return contact(variantIndex(whatC)).X;
}

double Game::getcy(const vbs::Value& whatC)
{
    return contact(variantIndex(whatC)).Y;
}

double Game::getCZ(const vbs::Value& whatC)
{
    return contact(variantIndex(whatC)).Z;
}

std::int32_t Game::GetCT(const vbs::Value& whatC)
{
    return contact(variantIndex(whatC)).Team;
}

// The nearest living contact of a team; the search has no effect, so an overflow of any
// entry's distance is raised once it is done.
std::int32_t Game::closestIndex(double x, double y, double z, std::int32_t team)
{
    const Closest found = m_contacts.closest(x, y, z, team);
    if (found.overflow)
        raise(vbs::ErrorCode::Overflow);
    return found.index;
}

double Game::GetCLx(double xPos, double yPos, double zPos, std::int32_t OnTeam)
{
    return contact(closestIndex(xPos, yPos, zPos, OnTeam)).X;
}

double Game::GetCLy(double xPos, double yPos, double zPos, std::int32_t OnTeam)
{
    return contact(closestIndex(xPos, yPos, zPos, OnTeam)).Y;
}

double Game::GetCLz(double xPos, double yPos, double zPos, std::int32_t OnTeam)
{
    return contact(closestIndex(xPos, yPos, zPos, OnTeam)).Z;
}

std::string Game::OutputLoc(double xPos, double yPos, double zPos, std::int32_t whatFrame)
{
    return an8::positionKey(xPos, yPos, zPos, whatFrame);
}

std::string Game::DoSomething(std::string doWhat, std::int32_t whatFrame)
{
    return an8::namedSequenceKey(doWhat, whatFrame);
}

std::string Game::FacePos(double xPos, double yPos, double zPos, std::int32_t whatFrame)
{
    return an8::facingKey(xPos, yPos, zPos, whatFrame);
}

double Game::DistFromMe(double x1, double y1, double z1, std::int32_t whatC)
{
    return checked(std::sqrt(squaredDistance(x1, y1, z1, contact(whatC))));
}

std::string Game::FaceContact(std::int32_t whatC, std::int32_t whatFrame)
{
    const Contact& c = contact(whatC);
    return an8::contactFacingKey(c.X, c.Y, c.Z, whatFrame);
}

vbs::Value Game::WhoClosest(double XP, double YP, double ZP, std::int32_t OnTeam)
{
    return vbs::Value::longValue(closestIndex(XP, YP, ZP, OnTeam));
}

// Attack indexes the units themselves. The new life is stored before the message is made,
// so an index beyond the contact table still hurts the unit and then fails.
bool Game::Attack(std::int32_t whatC, std::int32_t Damage)
{
    Avatar& target = m_avatars(whatC);
    target.Maxlife = checkedInt32(std::int64_t{target.Maxlife} - Damage);
    m_changes.avatarsHit.push_back(whatC);
    bool fatal = false;
    if (target.Maxlife < 1) {
        target.Maxlife = 0;
        fatal = true;
    }
    showAttackMessage(whatC, Damage, target.Maxlife, contact(whatC).Health);
    return fatal;
}

void Game::showAttackMessage(std::int32_t whatC, std::int32_t damage, std::int32_t life, std::int32_t contactHealth)
{
    if (!m_attackMessages || m_attackMessagesSilenced)
        return;
    const std::string text = "Avatars(" + formatInteger(whatC) + ") took " + formatInteger(damage) +
                             " points of damage.  His Health is now at:" + formatInteger(life) +
                             ".  Contact Health at: " + formatInteger(contactHealth);
    m_attackMessagesSilenced = m_attackMessages->messageOfferingSilence(text, SilenceLabel);
}

std::string Game::MoveToClosest(double xPos, double yPos, double zPos, std::int32_t byWhen, std::int32_t whatTeam)
{
    const Contact& c = contact(closestIndex(xPos, yPos, zPos, whatTeam));
    return an8::positionKey(c.X, c.Y, c.Z, byWhen);
}

std::string Game::FaceClosest(double xPos, double yPos, double zPos, std::int32_t byWhen, std::int32_t whatTeam)
{
    const Contact& c = contact(closestIndex(xPos, yPos, zPos, whatTeam));
    return an8::facingKey(c.X, c.Y, c.Z, byWhen);
}

std::string Game::DistToClosest(double xPos, double yPos, double zPos, std::int32_t whatTeam)
{
    return formatDouble(DistFromMe(xPos, yPos, zPos, closestIndex(xPos, yPos, zPos, whatTeam)));
}

double Game::WhereMyX(double xPos, double goalXPos, std::int32_t StartFrame, std::int32_t EndFrame)
{
    return perFrameStep(xPos, goalXPos, StartFrame, EndFrame);
}

double Game::WhereMyY(double xPos, double goalXPos, std::int32_t StartFrame, std::int32_t EndFrame)
{
    return perFrameStep(xPos, goalXPos, StartFrame, EndFrame);
}

double Game::WhereMyZ(double xPos, double goalXPos, std::int32_t StartFrame, std::int32_t EndFrame)
{
    return perFrameStep(xPos, goalXPos, StartFrame, EndFrame);
}

// One draw, no retry: entry 0, a dead contact or the caller's own entry may come up.
std::string Game::MovetoRandom(std::int32_t byWhen, std::int32_t whatTeam)
{
    const double r = m_random.next();
    const Contact& c = contact(roundToInt32(r * NumContacts()));
    if (c.Team != whatTeam)
        return {};
    return an8::positionKey(c.X, c.Y, c.Z, byWhen);
}

// The clock is stirred into the state, not put in its place: replacing it made the units of
// one turn, which ask within one clock tick, draw the same number most of the time.
std::int32_t Game::OneToTen()
{
    m_random.mixInClock();
    const double r = m_random.next();
    return roundToInt32(r * 10);
}

const vbs::HostClass<Game>& Game::binding()
{
    static const vbs::HostClass<Game> table = [] {
        vbs::HostClass<Game> c("Game");
        c.method("SetNumContacts", &Game::SetNumContacts)
            .method("SetContactPos", &Game::SetContactPos)
            .method("GetCX", &Game::GetCX)
            .method("getcy", &Game::getcy)
            .method("getCZ", &Game::getCZ)
            .method("GetCT", &Game::GetCT)
            .method("GetCLx", &Game::GetCLx)
            .method("GetCLy", &Game::GetCLy)
            .method("GetCLz", &Game::GetCLz)
            .method("OutputLoc", &Game::OutputLoc)
            .method("DoSomething", &Game::DoSomething)
            .method("FacePos", &Game::FacePos)
            .method("DistFromMe", &Game::DistFromMe)
            .method("FaceContact", &Game::FaceContact)
            .method("WhoClosest", &Game::WhoClosest)
            .method("Attack", &Game::Attack)
            .method("MoveToClosest", &Game::MoveToClosest)
            .method("FaceClosest", &Game::FaceClosest)
            .method("DistToClosest", &Game::DistToClosest)
            .method("WhereMyX", &Game::WhereMyX)
            .method("WhereMyY", &Game::WhereMyY)
            .method("WhereMyZ", &Game::WhereMyZ)
            .method("MovetoRandom", &Game::MovetoRandom)
            .method("OneToTen", &Game::OneToTen);
        return c;
    }();
    return table;
}

// A call of a traced turn is written once it has its result; one that fails ends the turn with
// its error, which the run reports.
vbs::Value Game::invoke(vbs::MemberId member, vbs::InvokeKind kind, std::span<const vbs::Value> args)
{
    vbs::Value result = HostObject::invoke(member, kind, args);
    if (m_trace && m_trace->recording())
        m_trace->gameCall(binding().memberName(member), args, result);
    return result;
}

} // namespace kestrelon::sim
