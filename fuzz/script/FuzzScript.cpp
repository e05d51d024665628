// libFuzzer target: any text is compiled and run as a unit's script is in battle turns (the
// battle's own Game and ThisGuy added, the top-level code run, then Main), twice through one
// host as a run does for two units, so the second turn finds the level the first one built.
// Whatever the text, the engine must end with success or a script error: no crash, no
// sanitizer report, no hang.
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
    const vbs::CompiledCode code = host.compile(text);
    for (std::int32_t unit = 1; unit <= 2; ++unit) {
        host.Reset();
        host.AddObject("Game", game, true);
        host.AddObject("ThisGuy", units.shared(unit), true);
        if (host.AddCode(code))
            host.Run("Main");
    }
    return 0;
}
