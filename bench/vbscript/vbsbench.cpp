// vbsbench: runs one benchmark script through the script host, as the battle run does, with
// a host object "Bench" (members also reachable without the prefix), prints what the script
// shows with MsgBox, and reports the seconds the run took on standard error.
#include "platform/Dialogs.h"
#include "vbscript/host/HostBinding.h"
#include "vbscript/ScriptControl.h"

#include <chrono>
#include <cmath>
#include <fstream>
#include <iostream>
#include <memory>
#include <sstream>

namespace {

using namespace kestrelon;
using namespace kestrelon::vbs;

class BenchHost : public HostObject<BenchHost> {
public:
    std::int32_t Counter = 0;

    std::int32_t Add(std::int32_t a, std::int32_t b) { return a + b; }

    double Distance(double x1, double y1, double x2, double y2)
    {
        const double dx = x2 - x1, dy = y2 - y1;
        return std::sqrt(dx * dx + dy * dy);
    }

    static const HostClass<BenchHost>& binding()
    {
        static const HostClass<BenchHost> table = HostClass<BenchHost>("Bench")
                                                      .method("Add", &BenchHost::Add)
                                                      .method("Distance", &BenchHost::Distance)
                                                      .property("Counter", &BenchHost::Counter);
        return table;
    }
};

// MsgBox prompts go to standard output; nothing is ever asked.
class PrintingDialogs : public Dialogs {
public:
    void message(const std::string& text) override { std::cout << text << '\n'; }
    bool question(const std::string&) override { return false; }
    std::optional<std::string> inputBox(const std::string&) override { return std::nullopt; }
    std::optional<std::string> openFile(FileDialogState&) override { return std::nullopt; }
    std::optional<std::string> saveFile(FileDialogState&) override { return std::nullopt; }
};

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: vbsbench FILE.vbs\n";
        return 2;
    }
    std::ifstream file(argv[1], std::ios::binary);
    if (!file) {
        std::cerr << "vbsbench: cannot read " << argv[1] << '\n';
        return 2;
    }
    std::ostringstream text;
    text << file.rdbuf();

    PrintingDialogs dialogs;
    ScriptControl control;
    control.setDialogs(&dialogs);
    control.setTimeLimit(std::chrono::hours(1));
    control.AddObject("Bench", std::make_shared<BenchHost>(), true);

    const auto start = std::chrono::steady_clock::now();
    const bool ok = control.AddCode(text.str());
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    if (!ok) {
        const ScriptErrorInfo& error = control.Error();
        std::cerr << "Error " << error.Description << " line: " << error.Line << " column: " << error.Column << '\n';
        return 1;
    }
    std::cerr << "elapsed " << elapsed.count() << '\n';
    return 0;
}
