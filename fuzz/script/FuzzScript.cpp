// libFuzzer target: any text is compiled and run as a unit's script is in a battle turn (the
// battle's own Game and ThisGuy added, the top-level code run, then Main). Whatever the text,
// the engine must end with success or a script error: no crash, no sanitizer report, no hang.
#include "platform/RandomGenerator.h"
#include "platform/SilentDialogs.h"
#include "sim/AvatarTable.h"
#include "sim/Game.h"
#include "vbscript/ScriptControl.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

// Longer inputs only make runs slower without reaching new code.
constexpr std::size_t MaxInput = 4096;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace kestrelon;
    if (size > MaxInput)
        return 0;
    static SilentDialogs dialogs;
    const std::string text(reinterpret_cast<const char*>(data), size);
    sim::AvatarTable units;
    units.grow().Maxlife = 100;
    units.grow().Maxlife = 100;
    RandomGenerator random;
    auto game = std::make_shared<sim::Game>(units, nullptr, random);
    game->SetNumContacts(2);

    vbs::ScriptControl host;
    host.setDialogs(&dialogs);
    host.setTimeLimit(std::chrono::milliseconds(50));
    host.AddObject("Game", game, true);
    host.AddObject("ThisGuy", units.shared(1), true);
    if (host.AddCode(text))
        host.Run("Main");
    return 0;
}
