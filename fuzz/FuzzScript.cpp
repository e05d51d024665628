// libFuzzer target: any text is compiled and run as a unit's script is in a battle turn (the
// stand-in Game and ThisGuy added, the top-level code run, then Main). Whatever the text, the
// engine must end with success or a script error: no crash, no sanitizer report, no hang.
#include "platform/Dialogs.h"
#include "vbscript/ScriptControl.h"
#include "vbscript/support/BattleHosts.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace {

using namespace kestrelon;

// Message boxes show nothing; input boxes are cancelled.
class SilentDialogs : public Dialogs {
public:
    void message(const std::string&) override {}
    bool question(const std::string&) override { return false; }
    std::optional<std::string> inputBox(const std::string&) override { return std::nullopt; }
    std::optional<std::string> openFile(FileDialogState&) override { return std::nullopt; }
    std::optional<std::string> saveFile(FileDialogState&) override { return std::nullopt; }
};

// Longer inputs only make runs slower without reaching new code.
constexpr std::size_t MaxInput = 4096;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size > MaxInput)
        return 0;
    static SilentDialogs dialogs;
    const std::string text(reinterpret_cast<const char*>(data), size);
    auto game = std::make_shared<vbs::testing::FakeGame>();
    auto unit = std::make_shared<vbs::testing::FakeAvatar>();
    game->units = {nullptr, unit, std::make_shared<vbs::testing::FakeAvatar>()};
    game->SetNumContacts(2);

    vbs::ScriptControl host;
    host.setDialogs(&dialogs);
    host.setTimeLimit(std::chrono::milliseconds(50));
    host.AddObject("Game", game, true);
    host.AddObject("ThisGuy", unit, true);
    if (host.AddCode(text))
        host.Run("Main");
    return 0;
}
