// The conformance runner: runs one .vbs file through the engine as `kestrelon-cli vbs` does
// (each MsgBox prompt and a line break is output) and compares the output with the file's
// "' expect: TEXT" lines, and a failing run with its "' expect error: Error ..." line.
// With --hosts the script also finds the stand-in objects Game and ThisGuy: ThisGuy is unit 1
// of Game's Attack table, units 2 and 3 have life 100; Game has no contacts until the script
// calls SetNumContacts.
#include "platform/FileError.h"
#include "platform/TextFile.h"
#include "vbscript/ScriptControl.h"
#include "vbscript/support/BattleHosts.h"

#include <iostream>
#include <optional>
#include <string>
#include <vector>

namespace {

using namespace kestrelon;

class OutputDialogs : public Dialogs {
public:
    std::string output;
    void message(const std::string& text) override { output += text + "\n"; }
    bool question(const std::string&) override { return false; }
    std::optional<std::string> inputBox(const std::string&) override { return std::nullopt; }
    std::optional<std::string> openFile(FileDialogState&) override { return std::nullopt; }
    std::optional<std::string> saveFile(FileDialogState&) override { return std::nullopt; }
};

struct Expectations {
    std::vector<std::string> lines;
    std::optional<std::string> error;
};

// "' expect: TEXT" (one blank after the colon is part of the marker) and "' expect error: ...".
Expectations expectationsOf(const std::vector<std::string>& source)
{
    Expectations expected;
    for (const std::string& line : source) {
        const size_t start = line.find_first_not_of(" \t");
        if (start == std::string::npos)
            continue;
        const std::string rest = line.substr(start);
        for (const std::string marker : {"' expect:", "' expect error:"}) {
            if (rest.rfind(marker, 0) != 0)
                continue;
            std::string text = rest.substr(marker.size());
            if (!text.empty() && text.front() == ' ')
                text.erase(0, 1);
            if (marker == "' expect:")
                expected.lines.push_back(text);
            else
                expected.error = text;
        }
    }
    return expected;
}

std::vector<std::string> outputLines(const std::string& output)
{
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < output.size()) {
        size_t end = output.find('\n', start);
        std::string line = output.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

void addBattleHosts(vbs::ScriptControl& host, Dialogs& dialogs)
{
    auto game = std::make_shared<vbs::testing::FakeGame>();
    auto thisGuy = std::make_shared<vbs::testing::FakeAvatar>();
    game->dialogs = &dialogs;
    game->units = {nullptr, thisGuy, std::make_shared<vbs::testing::FakeAvatar>(),
                   std::make_shared<vbs::testing::FakeAvatar>()};
    game->units[2]->Maxlife = 100;
    game->units[3]->Maxlife = 100;
    host.AddObject("Game", game, true);
    host.AddObject("ThisGuy", thisGuy, true);
}

int report(const std::string& path, const Expectations& expected, const std::vector<std::string>& actual,
           const std::optional<std::string>& error)
{
    const bool same = actual == expected.lines && error == expected.error;
    if (same)
        return 0;
    std::cerr << path << ": the output differs\n--- expected\n";
    for (const auto& line : expected.lines)
        std::cerr << line << '\n';
    std::cerr << (expected.error ? "[" + *expected.error + "]\n" : std::string("[no error]\n")) << "--- actual\n";
    for (const auto& line : actual)
        std::cerr << line << '\n';
    std::cerr << (error ? "[" + *error + "]\n" : std::string("[no error]\n"));
    return 1;
}

} // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    const bool hosts = !args.empty() && args[0] == "--hosts";
    if (args.size() != (hosts ? 2u : 1u)) {
        std::cerr << "usage: vbs_conformance [--hosts] FILE.vbs\n";
        return 2;
    }
    const std::string& path = args.back();
    std::vector<std::string> source;
    try {
        source = readTextLines(path);
    } catch (const FileError& error) {
        std::cerr << error.what() << '\n';
        return 2;
    }
    std::string text;
    for (const auto& line : source)
        text += line + '\n';

    OutputDialogs dialogs;
    vbs::ScriptControl host;
    host.setDialogs(&dialogs);
    if (hosts)
        addBattleHosts(host, dialogs);
    std::optional<std::string> error;
    if (!host.AddCode(text))
        error = vbs::errorMessage(host.Error());
    return report(path, expectationsOf(source), outputLines(dialogs.output), error);
}
