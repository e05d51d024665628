// kestrelon-cli preview: runs a battle as `run` does and draws one of its frames into a PNG,
// or writes the whole battle as a web page that plays it, so a script can be checked without
// opening the scene in the animation package.
#include "cli/CommandLineBattle.h"
#include "cli/CommandRegistry.h"

#include "platform/FileError.h"
#include "platform/PrintableText.h"
#include "preview/FrameDrawing.h"
#include "preview/PlayerPage.h"
#include "preview/PngFile.h"
#include "preview/Raster.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <iostream>
#include <optional>

namespace kestrelon::cli {
namespace {

constexpr const char* Usage = "usage: kestrelon-cli preview PROJECT.kst -o OUT.png|OUT.html [--at FRAME] [--frames N] "
                              "[--seed N] [--scale S] [--scene SCENE.an8] [--quiet] [--time-limit SECONDS]";

// Scales beyond these make images too small to read or too big to hold (8000 pixels across).
constexpr double SmallestScale = 0.1;
constexpr double LargestScale = 8;

enum class OutputKind { Png, Html };

struct PreviewArguments {
    BattleArguments battle;
    std::string output;
    OutputKind kind = OutputKind::Png;
    std::optional<std::string> at;
    std::string scale = "1";
    std::optional<std::string> scene;
};

std::optional<OutputKind> outputKindOf(const std::string& path)
{
    const auto endsWith = [&](std::string_view ending) {
        if (path.size() <= ending.size())
            return false;
        return std::equal(ending.rbegin(), ending.rend(), path.rbegin(),
                          [](char a, char b) { return a == std::tolower(static_cast<unsigned char>(b)); });
    };
    if (endsWith(".png"))
        return OutputKind::Png;
    if (endsWith(".html") || endsWith(".htm"))
        return OutputKind::Html;
    return std::nullopt;
}

std::optional<PreviewArguments> parseArguments(const std::vector<std::string>& args)
{
    PreviewArguments parsed;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& word = args[i];
        const bool hasValue = i + 1 < args.size();
        if (word == "-o" && hasValue)
            parsed.output = args[++i];
        else if (word == "--at" && hasValue)
            parsed.at = args[++i];
        else if (word == "--scale" && hasValue)
            parsed.scale = args[++i];
        else if (word == "--scene" && hasValue)
            parsed.scene = args[++i];
        else if (!takeBattleArgument(args, i, parsed.battle))
            return std::nullopt;
    }
    if (parsed.battle.project.empty() || parsed.output.empty())
        return std::nullopt;
    return parsed;
}

// A whole number in plain digits up to the largest frame count, as --frames takes it.
std::optional<std::int32_t> frameNumberOf(const std::string& text)
{
    std::int32_t frame = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, frame);
    if (text.empty() || text[0] == '-' || text[0] == '+' || error != std::errc() || stop != end)
        return std::nullopt;
    return frame;
}

std::optional<double> scaleOf(const std::string& text)
{
    double scale = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, scale);
    if (text.empty() || error != std::errc() || stop != end || !(scale >= SmallestScale && scale <= LargestScale))
        return std::nullopt;
    return scale;
}

int writePicture(const sim::BattleRecording& recording, std::int32_t frame, double scale, const std::string& path,
                 std::ostream& out)
{
    const preview::Raster raster = preview::paintDrawing(preview::drawFrame(recording, frame, scale));
    preview::writePng(raster, path);
    out << printableText(path) << ": frame " << frame << " of " << recording.lastFrame() << ", " << raster.width()
        << " x " << raster.height() << " pixels\n";
    return ExitOk;
}

int writePage(const sim::BattleRecording& recording, std::int32_t frame, double scale, const std::string& path,
              std::ostream& out)
{
    const std::size_t bytes = preview::writePlayerPage(recording, frame, scale, path);
    out << printableText(path) << ": " << recording.units.size() << " units, frames 0 to " << recording.lastFrame()
        << ", " << bytes << " bytes\n";
    return ExitOk;
}

int runPreview(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    auto parsed = parseArguments(args);
    if (!parsed) {
        err << Usage << '\n';
        return ExitBadInput;
    }
    const auto kind = outputKindOf(parsed->output);
    if (!kind) {
        err << "kestrelon-cli: the preview is written as .png or .html, not \"" << printableText(parsed->output)
            << "\"\n";
        return ExitBadInput;
    }
    std::optional<std::int32_t> at;
    if (parsed->at && !(at = frameNumberOf(*parsed->at))) {
        err << "kestrelon-cli: --at takes a frame number in plain digits, not \"" << *parsed->at << "\"\n";
        return ExitBadInput;
    }
    const auto scale = scaleOf(parsed->scale);
    if (!scale) {
        err << "kestrelon-cli: --scale takes a number from " << SmallestScale << " to " << LargestScale << ", not \""
            << parsed->scale << "\"\n";
        return ExitBadInput;
    }
    CommandLineBattle battle(err, parsed->battle.quiet);
    if (!battle.prepare(parsed->battle, "preview"))
        return ExitBadInput;
    sim::RunOptions options;
    options.record = true;
    options.writeScene = parsed->scene.has_value();
    options.scenePath = parsed->scene;
    const sim::RunOutcome outcome = battle.run(options);
    if (outcome != sim::RunOutcome::Completed)
        return exitCodeFor(outcome);
    if (parsed->scene)
        battle.printSummary(out);
    const sim::BattleRecording& recording = *battle.battle().recording();
    const std::int32_t frame = at.value_or(recording.lastFrame());
    try {
        return *kind == OutputKind::Png ? writePicture(recording, frame, *scale, parsed->output, out)
                                        : writePage(recording, frame, *scale, parsed->output, out);
    } catch (const FileError& error) {
        err << "kestrelon-cli: the preview could not be written: " << error.what() << '\n';
        return ExitFailed;
    }
}

} // namespace

KESTRELON_COMMAND("preview",
                  "preview PROJECT.kst -o OUT.png|OUT.html [--at FRAME] [--frames N] [--seed N] [--scale S] "
                  "[--scene SCENE.an8] [--quiet] [--time-limit SECONDS]",
                  "run a battle as run does and draw frame FRAME (the last unless given) as a PNG of 1000 x 890 "
                  "pixels times S, or write a web page that plays the whole battle (--scene: write the scene too)",
                  25, runPreview);

} // namespace kestrelon::cli
