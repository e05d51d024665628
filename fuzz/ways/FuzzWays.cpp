// libFuzzer target: any text is run twice as a unit's AI script in a battle turn, once as
// compiled code and once through the tree interpreter alone, each in a host and battle of its
// own. Both runs must show the same messages, end the same way (the same error at the same
// place, or none) and leave the unit the same. A run that meets a limit whose point depends
// on the way of running (the time limit, memory, the native stack) is not compared, and
// neither is a script that reads the clock.
#include "platform/Dialogs.h"
#include "platform/RandomGenerator.h"
#include "sim/AvatarTable.h"
#include "sim/Game.h"
#include "vbscript/ScriptControl.h"
#include "vbscript/values/Limits.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

using namespace kestrelon;

constexpr std::size_t MaxInput = 4096;

class RecordingDialogs : public Dialogs {
public:
    void message(const std::string& text) override { shown.push_back(text); }
    bool question(const std::string&) override { return false; }
    std::optional<std::string> inputBox(const std::string&) override { return std::nullopt; }
    std::optional<std::string> openFile(FileDialogState&) override { return std::nullopt; }
    std::optional<std::string> saveFile(FileDialogState&) override { return std::nullopt; }

    std::vector<std::string> shown;
};

struct Outcome {
    std::vector<std::string> shown;
    vbs::ScriptErrorInfo error;
    std::string unit; // what the script left in its unit
    bool comparable = true;
};

Outcome runOnce(const std::string& text, bool compiled)
{
    RecordingDialogs dialogs;
    sim::AvatarTable units;
    units.grow().Maxlife = 100;
    units.grow().Maxlife = 100;
    RandomGenerator random;
    auto game = std::make_shared<sim::Game>(units, nullptr, random);
    game->SetNumContacts(2);

    vbs::ScriptControl host;
    host.setDialogs(&dialogs);
    host.setCompiledCode(compiled);
    host.setTimeLimit(std::chrono::milliseconds(50));
    host.AddObject("Game", game, true);
    host.AddObject("ThisGuy", units.shared(1), true);
    Outcome outcome;
    if (host.AddCode(text))
        host.Run("Main");
    outcome.shown = std::move(dialogs.shown);
    outcome.error = host.Error();
    const sim::Avatar& unit = units(1);
    outcome.unit = unit.posOutput + "|" + unit.FaceOutput + "|" + unit.seqOutput + "|" +
                   std::to_string(unit.xPos) + "," + std::to_string(unit.zPos) + "," + std::to_string(unit.Maxlife);
    const std::int32_t number = outcome.error.Number;
    outcome.comparable = number != vbs::TimeLimitErrorNumber && number != 7 && number != 28;
    return outcome;
}

bool readsTheClock(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    for (const char* word : {"time", "now", "date", "randomize"})
        if (text.find(word) != std::string::npos)
            return true;
    return false;
}

void report(const char* way, const Outcome& outcome)
{
    std::fprintf(stderr, "%s: error %d \"%s\" line %d column %d\n", way, outcome.error.Number,
                 outcome.error.Description.c_str(), outcome.error.Line, outcome.error.Column);
    for (const std::string& message : outcome.shown)
        std::fprintf(stderr, "  shown: %s\n", message.c_str());
    std::fprintf(stderr, "  unit: %s\n", outcome.unit.c_str());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size > MaxInput)
        return 0;
    const std::string text(reinterpret_cast<const char*>(data), size);
    if (readsTheClock(text))
        return 0;
    const Outcome compiled = runOnce(text, true);
    const Outcome tree = runOnce(text, false);
    if (!compiled.comparable || !tree.comparable)
        return 0;
    const bool same = compiled.shown == tree.shown && compiled.error.Number == tree.error.Number &&
                      compiled.error.Description == tree.error.Description &&
                      compiled.error.Line == tree.error.Line && compiled.error.Column == tree.error.Column &&
                      compiled.unit == tree.unit;
    if (!same) {
        report("compiled", compiled);
        report("tree", tree);
        std::abort();
    }
    return 0;
}
