// The recording written as compact JSON into the player's page. A 10,000-unit battle keys
// millions of positions, so each run of consecutive frames is written as its first key and
// then only the small differences from one key to the next.
#include "preview/PlayerPage.h"

#include "platform/FileReplacement.h"
#include "preview/PlayerTemplate.h"

#include <array>
#include <charconv>
#include <cmath>
#include <string_view>

namespace kestrelon::preview {
namespace {

constexpr std::string_view RecordingMarker = "/*KESTRELON_RECORDING*/";

class JsonWriter {
public:
    explicit JsonWriter(std::string& out) : m_out(out) {}

    void raw(std::string_view text) { m_out += text; }
    void number(std::int64_t value)
    {
        char digits[24];
        const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
        m_out.append(digits, end);
    }
    void number(double value)
    {
        char digits[32];
        const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
        m_out.append(digits, end);
    }
    // Bytes past ASCII are taken as Latin-1, the way the project's 8-bit texts read; "</" is
    // written "<\/" so no text can close the page's script element.
    void text(std::string_view value)
    {
        m_out += '"';
        char previous = 0;
        for (const char c : value) {
            const auto byte = static_cast<unsigned char>(c);
            if (c == '"' || c == '\\')
                (m_out += '\\') += c;
            else if (c == '/' && previous == '<')
                m_out += "\\/";
            else if (byte < 0x20 || byte >= 0x7F)
                unicodeEscape(byte);
            else
                m_out += c;
            previous = c;
        }
        m_out += '"';
    }
    // Items written by item(i) for i in 0 .. count, between brackets and commas.
    template <typename Item>
    void list(std::size_t count, Item item)
    {
        m_out += '[';
        for (std::size_t i = 0; i < count; ++i) {
            if (i > 0)
                m_out += ',';
            item(i);
        }
        m_out += ']';
    }

private:
    void unicodeEscape(unsigned char byte)
    {
        static constexpr char hex[] = "0123456789abcdef";
        m_out += "\\u00";
        m_out += hex[byte >> 4];
        m_out += hex[byte & 15];
    }

    std::string& m_out;
};

std::int64_t tenths(float value)
{
    return std::llround(static_cast<double>(value) * 10);
}

std::int64_t degrees(std::uint16_t turn)
{
    return std::llround(turn * 360.0 / 65536.0) % 360;
}

// A track as runs: first frame, key count, then the keys, the first whole and each later one as
// its difference from the key before (width numbers per key, from values(key)).
template <typename Value, typename Numbers>
void writeTrack(JsonWriter& json, const sim::KeyTrack<Value>& track, Numbers values)
{
    bool first = true;
    json.raw("[");
    const auto separate = [&] {
        if (!first)
            json.raw(",");
        first = false;
    };
    decltype(values(track.valueOf(0))) previous{};
    for (std::size_t key = 0; key < track.size(); ++key) {
        const bool startsRun = key == 0 || track.frameOf(key) != track.frameOf(key - 1) + 1;
        if (startsRun) {
            std::size_t end = key + 1;
            while (end < track.size() && track.frameOf(end) == track.frameOf(end - 1) + 1)
                ++end;
            separate();
            json.number(static_cast<std::int64_t>(track.frameOf(key)));
            separate();
            json.number(static_cast<std::int64_t>(end - key));
        }
        const auto now = values(track.valueOf(key));
        for (std::size_t w = 0; w < now.size(); ++w) {
            separate();
            json.number(startsRun ? now[w] : now[w] - previous[w]);
        }
        previous = now;
    }
    json.raw("]");
}

void writeUnit(JsonWriter& json, const sim::RecordedUnit& unit)
{
    json.raw("[");
    json.number(static_cast<std::int64_t>(unit.army));
    json.raw(",");
    json.number(static_cast<std::int64_t>(unit.type));
    json.raw(",");
    json.number(static_cast<std::int64_t>(unit.figure));
    json.raw(",");
    json.number(tenths(unit.start.x));
    json.raw(",");
    json.number(tenths(unit.start.z));
    json.raw(",");
    writeTrack(json, unit.positions, [](const sim::MapPoint& p) { return std::array{tenths(p.x), tenths(p.z)}; });
    json.raw(",");
    writeTrack(json, unit.facings, [](std::uint16_t turn) { return std::array{degrees(turn)}; });
    json.raw(",");
    json.list(unit.sequences.size() * 2, [&](std::size_t i) {
        const sim::SequenceStart& start = unit.sequences[i / 2];
        json.number(static_cast<std::int64_t>(i % 2 == 0 ? start.frame : static_cast<std::int32_t>(start.name)));
    });
    json.raw(",");
    json.list(unit.life.size() * 2, [&](std::size_t i) {
        const sim::LifeStep& step = unit.life[i / 2];
        json.number(static_cast<std::int64_t>(i % 2 == 0 ? step.pass : step.life));
    });
    json.raw("]");
}

} // namespace

std::string recordingJson(const sim::BattleRecording& recording, std::int32_t startFrame, double scale)
{
    std::string out;
    JsonWriter json(out);
    json.raw("{\"lastFrame\":");
    json.number(static_cast<std::int64_t>(recording.lastFrame()));
    json.raw(",\"start\":");
    json.number(static_cast<std::int64_t>(startFrame));
    json.raw(",\"scale\":");
    json.number(scale);
    json.raw(",\"types\":");
    json.list(recording.typeNames.size(), [&](std::size_t i) { json.text(recording.typeNames[i]); });
    json.raw(",\"areas\":");
    json.list(recording.areas.size(), [&](std::size_t i) {
        const sim::DeploymentArea& area = recording.areas[i];
        json.raw("[");
        json.number(static_cast<std::int64_t>(area.army));
        for (const double value : {area.left, area.top, area.width, area.height}) {
            json.raw(",");
            json.number(value);
        }
        json.raw("]");
    });
    json.raw(",\"figures\":");
    json.list(recording.figureNames.size(), [&](std::size_t i) { json.text(recording.figureNames[i]); });
    json.raw(",\"sequences\":");
    json.list(recording.sequenceNames.size(), [&](std::size_t i) { json.text(recording.sequenceNames[i]); });
    json.raw(",\"units\":");
    json.list(recording.units.size(), [&](std::size_t i) { writeUnit(json, recording.units[i]); });
    json.raw("}");
    return out;
}

std::size_t writePlayerPage(const sim::BattleRecording& recording, std::int32_t startFrame, double scale,
                            const std::string& path)
{
    const std::string_view page = PlayerTemplate;
    const std::size_t marker = page.find(RecordingMarker);
    const std::string json = recordingJson(recording, startFrame, scale);
    FileReplacement file(path);
    file.write(page.substr(0, marker));
    file.write(json);
    file.write(page.substr(marker + RecordingMarker.size()));
    file.commit();
    return page.size() - RecordingMarker.size() + json.size();
}

} // namespace kestrelon::preview
