// The conformance runner: runs one .vbs file through the engine as `kestrelon-cli vbs` does
// (each MsgBox prompt and a line break is output) and compares the output and the error, if
// any, with the script's expectation comments.
// With --battle the script also finds the battle's own Game and ThisGuy: ThisGuy is unit 1 of
// a table of three units, units 2 and 3 have life 100, and Game has no contacts until the
// script calls SetNumContacts. Attack's messages are output like MsgBox's.
// With --tree-only the script runs through the tree interpreter alone, never as compiled code.
#include "platform/Dialogs.h"
#include "platform/FileError.h"
#include "platform/RandomGenerator.h"
#include "platform/TextFile.h"
#include "sim/AvatarTable.h"
#include "sim/Game.h"
#include "vbscript/ScriptControl.h"
#include "vbscript/runner/Expectations.h"

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using namespace kestrelon;
using vbs::testing::Expectations;

class OutputDialogs : public Dialogs {
public:
    std::string output;
    void message(const std::string& text) override { output += text + "\n"; }
    bool question(const std::string&) override { return false; }
    std::optional<std::string> inputBox(const std::string&) override { return std::nullopt; }
    std::optional<std::string> openFile(FileDialogState&) override { return std::nullopt; }
    std::optional<std::string> saveFile(FileDialogState&) override { return std::nullopt; }
};

// The battle a --battle script plays in, alive for the whole script.
struct Battle {
    sim::AvatarTable units;
    RandomGenerator random;
    std::shared_ptr<sim::Game> game;

    Battle(vbs::ScriptControl& host, Dialogs& dialogs)
    {
        units.grow();
        units.grow().Maxlife = 100;
        units.grow().Maxlife = 100;
        game = std::make_shared<sim::Game>(units, &dialogs, random);
        host.AddObject("Game", game, true);
        host.AddObject("ThisGuy", units.shared(1), true);
    }
};

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

// The script's text with the support files it needs appended, so its own lines keep their numbers.
std::string scriptText(const std::string& path, const std::vector<std::string>& source, const Expectations& expected)
{
    std::string text;
    for (const auto& line : source)
        text += line + '\n';
    const auto supportDir = std::filesystem::path(path).parent_path().parent_path() / "support";
    for (const auto& name : expected.needs)
        for (const auto& line : readTextLines((supportDir / name).string()))
            text += line + '\n';
    return text;
}

int report(const std::string& path, const Expectations& expected, const std::vector<std::string>& actual,
           const std::optional<std::string>& error)
{
    if (actual == expected.lines && error == expected.error)
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
    std::vector<std::string> args(argv + 1, argv + argc);
    const auto option = [&](const std::string& name) {
        const auto found = std::find(args.begin(), args.end(), name);
        if (found == args.end())
            return false;
        args.erase(found);
        return true;
    };
    const bool battle = option("--battle");
    const bool treeOnly = option("--tree-only");
    if (args.size() != 1) {
        std::cerr << "usage: vbs_conformance [--battle] [--tree-only] FILE.vbs\n";
        return 2;
    }
    const std::string& path = args.back();
    Expectations expected;
    std::string text;
    try {
        const std::vector<std::string> source = readTextLines(path);
        expected = vbs::testing::expectationsOf(source);
        text = scriptText(path, source, expected);
    } catch (const FileError& error) {
        std::cerr << error.what() << '\n';
        return 2;
    } catch (const std::runtime_error& error) {
        std::cerr << path << ": " << error.what() << '\n';
        return 2;
    }

    OutputDialogs dialogs;
    vbs::ScriptControl host;
    host.setDialogs(&dialogs);
    host.setCompiledCode(!treeOnly);
    std::optional<Battle> hosts;
    if (battle)
        hosts.emplace(host, dialogs);
    std::optional<std::string> error;
    if (!host.AddCode(text))
        error = vbs::errorMessage(host.Error());
    host.Reset(); // the script ends: what its variables still hold goes
    return report(path, expected, outputLines(dialogs.output), error);
}
