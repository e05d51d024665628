// Saving and loading the project file. Writer and reader follow the same line order: the
// type count and names, one block per type (its script ended by a line "CODEDONE"), then
// the figure catalogue and the sequence catalogue. docs/project-file.md describes it for users.
#include "model/ProjectFile.h"

#include "platform/FileError.h"
#include "platform/NumberFormatting.h"
#include "platform/NumberParsing.h"
#include "platform/Rounding.h"
#include "platform/TextFile.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string_view>

namespace kestrelon {
namespace {

// The writer's own end-of-script marker; a script ends at the first line that is exactly this.
constexpr std::string_view ScriptEnd = "CODEDONE";

// The UTF-8 byte-order mark that some text editors put at the start of a file.
constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

std::string quoted(const std::string& text)
{
    return "\"" + text + "\"";
}

// ---- saving ----

// The number of the first script line that a reader would take for the end marker, counting
// the lines as the file will hold them: a line feed ends a line, and a carriage return right
// before it belongs to the line end. The last line is followed by the writer's own CR LF.
std::optional<std::int32_t> markerLine(const std::string& code)
{
    size_t start = 0;
    for (std::int32_t number = 1;; ++number) {
        const size_t end = code.find('\n', start);
        std::string_view line(code.data() + start, (end == std::string::npos ? code.size() : end) - start);
        if (end != std::string::npos && line.ends_with('\r'))
            line.remove_suffix(1);
        if (line == ScriptEnd)
            return number;
        if (end == std::string::npos)
            return std::nullopt;
        start = end + 1;
    }
}

class ProjectWriter {
public:
    ProjectWriter(const Project& project, const std::string& path) : m_project(project), m_file(path), m_path(path) {}

    void write()
    {
        if (m_project.byteOrderMark)
            m_file.write(ByteOrderMark);
        m_file.writeLine(formatInteger(m_project.NumTypes()));
        for (std::int32_t i = 1; i <= m_project.NumTypes(); ++i)
            writeText(m_project.TypeNames[i], "the name of type " + formatInteger(i));
        for (std::int32_t i = 1; i <= m_project.NumTypes(); ++i)
            writeType(i);
        m_file.writeLine(formatInteger(m_project.NumFigures()));
        for (std::int32_t i = 1; i <= m_project.NumFigures(); ++i)
            writeText(m_project.FigureNames[i], "figure name " + formatInteger(i));
        m_file.writeLine(formatInteger(m_project.NumSequences()));
        for (std::int32_t i = 1; i <= m_project.NumSequences(); ++i) {
            const std::string what = "sequence " + formatInteger(i);
            writeText(m_project.Sequences[i].SequenceName, "the name of " + what);
            writeText(m_project.Sequences[i].FigureName, "the figure name of " + what);
        }
        m_file.commit();
    }

private:
    void writeType(std::int32_t i)
    {
        const UnitType& type = m_project.UnitTypes[i];
        const std::string what = " of type " + formatInteger(i);
        m_file.writeLine(formatDouble(type.Accel));
        m_file.writeLine(formatInteger(type.Armor));
        writeText(type.AttackAnim, "AttackAnim" + what);
        m_file.writeLine(formatInteger(type.Damage));
        writeText(type.Figure, "Figure" + what);
        m_file.writeLine(formatInteger(type.FigureIndex));
        m_file.writeLine(formatInteger(type.Maxlife));
        m_file.writeLine(formatDouble(type.MaxSpeed));
        m_file.writeLine(formatDouble(type.Proportion));
        m_file.writeLine(formatDouble(type.Range));
        m_file.writeLine(formatInteger(type.Team));
        writeScript(i);
        m_file.writeLine(formatInteger(type.DeployLeft));
        m_file.writeLine(formatInteger(type.DeployTop));
        m_file.writeLine(formatInteger(type.DeployWidth));
        m_file.writeLine(formatInteger(type.DeployHeight));
    }

    // A line that is exactly the marker would end the script early on reading: its remaining
    // lines would be taken for the items after it. Refuse before anything is replaced.
    void writeScript(std::int32_t i)
    {
        const std::string& code = m_project.UnitTypes[i].Code;
        if (const std::optional<std::int32_t> line = markerLine(code)) {
            throw FileError(m_path, 0,
                            "cannot store the script of type " + formatInteger(i) + " " + quoted(m_project.TypeNames[i]) +
                                ": its line " + formatInteger(*line) + " is " + quoted(std::string(ScriptEnd)) +
                                ", the line that ends a script in the project file");
        }
        m_file.writeLine(code);
        m_file.writeLine(ScriptEnd);
    }

    // A one-line text with a line break in it would shift every line after it and the file
    // would read back as a different project: refuse before anything is replaced.
    void writeText(const std::string& text, const std::string& what)
    {
        if (text.find('\n') != std::string::npos)
            throw FileError(m_path, 0, "cannot store " + what + ": it holds a line break");
        m_file.writeLine(text);
    }

    const Project& m_project;
    AtomicTextWriter m_file;
    std::string m_path;
};

// ---- loading ----

// Files written where "," is the decimal separator hold floats such as "2,5"; a single
// comma with no point can only be that (the number form has no thousands separators).
std::optional<double> parseFloatLine(std::string text)
{
    if (std::count(text.begin(), text.end(), ',') == 1 && text.find('.') == std::string::npos)
        std::replace(text.begin(), text.end(), ',', '.');
    return parseNumber(text);
}

class ProjectReader {
public:
    explicit ProjectReader(const std::string& path) : m_file(path) {}

    Project read()
    {
        const std::string typesWhat = "the number of unit types";
        const std::int32_t types = parseCount(readFirstLine(typesWhat), typesWhat);
        for (std::int32_t i = 1; i <= types; ++i)
            m_project.addType(readLine("the name of type " + formatInteger(i)));
        for (std::int32_t i = 1; i <= types; ++i)
            readType(m_project.UnitTypes[i], " of type " + formatInteger(i));
        const std::int32_t figures = readCount("the number of figures");
        for (std::int32_t i = 1; i <= figures; ++i)
            m_project.addFigure(readLine("figure name " + formatInteger(i)));
        const std::int32_t sequences = readCount("the number of sequences");
        for (std::int32_t i = 1; i <= sequences; ++i) {
            const std::string what = " of sequence " + formatInteger(i);
            SequenceInfo sequence;
            sequence.SequenceName = readLine("the name" + what);
            sequence.FigureName = readLine("the figure name" + what);
            m_project.addSequence(std::move(sequence));
        }
        return std::move(m_project);
    }

private:
    void readType(UnitType& type, const std::string& what)
    {
        type.Accel = readFloat("Accel" + what);
        type.Armor = readInteger("Armor" + what);
        type.AttackAnim = readLine("AttackAnim" + what);
        type.Damage = readInteger("Damage" + what);
        type.Figure = readLine("Figure" + what);
        type.FigureIndex = readInteger("FigureIndex" + what);
        type.Maxlife = readInteger("Maxlife" + what);
        type.MaxSpeed = readFloat("MaxSpeed" + what);
        type.Proportion = readFloat("Proportion" + what);
        type.Range = readFloat("Range" + what);
        type.Team = readInteger("Team" + what);
        type.Code = readScript("the script" + what);
        type.DeployLeft = readInteger("DeployLeft" + what);
        type.DeployTop = readInteger("DeployTop" + what);
        type.DeployWidth = readInteger("DeployWidth" + what);
        type.DeployHeight = readInteger("DeployHeight" + what);
    }

    const std::string& readLine(const std::string& what)
    {
        if (m_file.atEnd())
            fail("expected " + what + ", found the end of the file", m_file.lineNumber() + 1);
        return m_file.readLine();
    }

    // The first line without the byte-order mark an editor may have put before it; the project
    // keeps the fact so that saving writes the mark back.
    std::string readFirstLine(const std::string& what)
    {
        std::string line = readLine(what);
        if (line.starts_with(ByteOrderMark)) {
            m_project.byteOrderMark = true;
            line.erase(0, ByteOrderMark.size());
        }
        return line;
    }

    // The script's lines up to the marker, joined by CR LF: the exact inverse of writing the
    // script followed by one line break, so a final line break and an empty script survive.
    std::string readScript(const std::string& what)
    {
        const std::string expected = "the line " + quoted(std::string(ScriptEnd)) + " that ends " + what;
        std::string code;
        for (bool first = true;; first = false) {
            const std::string& line = readLine(expected);
            if (line == ScriptEnd)
                return code;
            if (!first)
                code += "\r\n";
            code += line;
        }
    }

    double readFloat(const std::string& what)
    {
        const std::string& line = readLine(what);
        const std::optional<double> value = parseFloatLine(line);
        if (!value || !std::isfinite(*value))
            fail("expected a number for " + what + ", found " + quoted(line));
        return *value;
    }

    std::int32_t readInteger(const std::string& what)
    {
        return parseInteger(readLine(what), what);
    }

    std::int32_t readCount(const std::string& what)
    {
        return parseCount(readLine(what), what);
    }

    std::int32_t parseCount(const std::string& line, const std::string& what)
    {
        const std::int32_t count = parseInteger(line, what);
        if (count < 0)
            fail("expected " + what + " (0 or more), found " + quoted(line));
        return count;
    }

    // The writer spells whole numbers in plain digits, but "12.0" or "1.2E+1" name one as well.
    // A fraction has no place in an integer item, and a comma may be a decimal comma ("1,5") or
    // a thousands separator ("10,000"): rather than guess what the writer meant, refuse both.
    std::int32_t parseInteger(const std::string& line, const std::string& what)
    {
        const std::optional<double> value =
            line.find(',') == std::string::npos ? parseNumber(line) : std::nullopt;
        if (!value || *value != std::trunc(*value))
            fail("expected a whole number for " + what + ", found " + quoted(line));
        const std::optional<std::int32_t> whole = tryRoundToInt32(*value);
        if (!whole)
            fail("expected a whole number for " + what + ", found " + quoted(line) +
                 ", which lies outside -2147483648 to 2147483647");
        return *whole;
    }

    [[noreturn]] void fail(const std::string& cause, int line = 0)
    {
        throw FileError(m_file.path(), line > 0 ? line : m_file.lineNumber(), cause);
    }

    TextReader m_file;
    Project m_project;
};

} // namespace

void SaveProject(const Project& project, const std::string& path)
{
    ProjectWriter(project, path).write();
}

Project LoadProject(const std::string& path)
{
    return ProjectReader(path).read();
}

} // namespace kestrelon
