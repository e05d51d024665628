// A line is read left to right as the script engine's lexer reads it: a quote starts a string
// (two quotes inside are one), an apostrophe or Rem a comment, a digit a number, a letter a
// name, which is a keyword, a member of Game or ThisGuy after its object and a dot, or neither.
#include "ui/windows/ScriptHighlighter.h"

#include "ui/windows/ScriptMembers.h"

#include <QSet>
#include <QTextCharFormat>

namespace kestrelon::ui {
namespace {

const QSet<QString>& keywords()
{
    static const QSet<QString> words = [] {
        QSet<QString> set;
        for (const char* word :
             {"and",      "as",      "byref",   "byval",  "call",      "case",     "class",    "const",  "default",
              "dim",      "do",      "each",    "else",   "elseif",    "empty",    "end",      "eqv",    "erase",
              "error",    "exit",    "explicit", "false", "for",       "function", "get",      "goto",   "if",
              "imp",      "in",      "is",      "let",    "loop",      "me",       "mod",      "new",    "next",
              "not",      "nothing", "null",    "on",     "option",    "or",       "preserve", "private", "property",
              "public",   "redim",   "rem",     "resume", "select",    "set",      "step",     "stop",   "sub",
              "then",     "to",      "true",    "until",  "wend",      "while",    "with",     "xor"})
            set.insert(QLatin1String(word));
        return set;
    }();
    return words;
}

bool isNameStart(QChar c)
{
    return c.isLetter() || c == QLatin1Char('_');
}

bool isNamePart(QChar c)
{
    return c.isLetterOrNumber() || c == QLatin1Char('_');
}

bool isMemberOf(const QString& object, const QString& name)
{
    for (const ScriptMember& member : membersOf(object)) {
        if (member.name.compare(name, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

// The end of the number starting at at: digits with a point and an exponent, or &H / &O digits,
// with a type mark "&" after.
int numberEnd(const QString& line, int at)
{
    int end = at;
    if (line[at] == QLatin1Char('&')) {
        end += 2;
        while (end < line.size() && line[end].isLetterOrNumber())
            ++end;
    } else {
        while (end < line.size() && (line[end].isDigit() || line[end] == QLatin1Char('.')))
            ++end;
        if (end < line.size() && line[end].toLower() == QLatin1Char('e')) {
            int exponent = end + 1;
            if (exponent < line.size() && (line[exponent] == QLatin1Char('+') || line[exponent] == QLatin1Char('-')))
                ++exponent;
            if (exponent < line.size() && line[exponent].isDigit()) {
                end = exponent;
                while (end < line.size() && line[end].isDigit())
                    ++end;
            }
        }
    }
    if (end < line.size() && line[end] == QLatin1Char('&'))
        ++end;
    return end;
}

bool startsNumber(const QString& line, int at)
{
    const QChar c = line[at];
    if (c.isDigit())
        return true;
    if (c == QLatin1Char('.'))
        return at + 1 < line.size() && line[at + 1].isDigit() && (at == 0 || !isNamePart(line[at - 1]));
    return c == QLatin1Char('&') && at + 1 < line.size() &&
           (line[at + 1].toLower() == QLatin1Char('h') || line[at + 1].toLower() == QLatin1Char('o')) &&
           at + 2 < line.size() && line[at + 2].isLetterOrNumber();
}

} // namespace

std::vector<ScriptSpan> scriptSpans(const QString& line)
{
    std::vector<ScriptSpan> spans;
    QString previousName; // the name before a dot, for members of Game and ThisGuy
    bool afterDot = false;
    for (int at = 0; at < line.size();) {
        const QChar c = line[at];
        if (c == QLatin1Char('\'')) {
            spans.push_back({at, static_cast<int>(line.size()) - at, ScriptSpanKind::Comment});
            break;
        }
        if (c == QLatin1Char('"')) {
            int end = at + 1;
            while (end < line.size()) {
                if (line[end] == QLatin1Char('"')) {
                    if (end + 1 < line.size() && line[end + 1] == QLatin1Char('"')) {
                        end += 2;
                        continue;
                    }
                    ++end;
                    break;
                }
                ++end;
            }
            spans.push_back({at, end - at, ScriptSpanKind::String});
            at = end;
            afterDot = false;
            continue;
        }
        if (startsNumber(line, at)) {
            const int end = numberEnd(line, at);
            spans.push_back({at, end - at, ScriptSpanKind::Number});
            at = end;
            afterDot = false;
            continue;
        }
        if (isNameStart(c)) {
            int end = at + 1;
            while (end < line.size() && isNamePart(line[end]))
                ++end;
            const QString name = line.mid(at, end - at);
            const QString folded = name.toLower();
            if (afterDot && isMemberOf(previousName, name)) {
                spans.push_back({at, end - at, ScriptSpanKind::Member});
            } else if (!afterDot && folded == QLatin1String("rem")) {
                spans.push_back({at, static_cast<int>(line.size()) - at, ScriptSpanKind::Comment});
                break;
            } else if (!afterDot && keywords().contains(folded)) {
                spans.push_back({at, end - at, ScriptSpanKind::Keyword});
            }
            previousName = name;
            afterDot = false;
            at = end;
            continue;
        }
        afterDot = c == QLatin1Char('.');
        if (!afterDot && !c.isSpace())
            previousName.clear();
        ++at;
    }
    return spans;
}

ScriptHighlighter::ScriptHighlighter(QTextDocument* document) : QSyntaxHighlighter(document) {}

void ScriptHighlighter::highlightBlock(const QString& text)
{
    static const auto format = [](const QColor& colour, bool bold, bool italic) {
        QTextCharFormat f;
        f.setForeground(colour);
        f.setFontWeight(bold ? QFont::Bold : QFont::Normal);
        f.setFontItalic(italic);
        return f;
    };
    static const QTextCharFormat keyword = format(QColor(0x00, 0x30, 0xA0), true, false);
    static const QTextCharFormat string = format(QColor(0xA0, 0x30, 0x00), false, false);
    static const QTextCharFormat comment = format(QColor(0x30, 0x80, 0x30), false, true);
    static const QTextCharFormat number = format(QColor(0x80, 0x00, 0x80), false, false);
    static const QTextCharFormat member = format(QColor(0x00, 0x70, 0x80), false, false);
    for (const ScriptSpan& span : scriptSpans(text)) {
        switch (span.kind) {
        case ScriptSpanKind::Keyword: setFormat(span.start, span.length, keyword); break;
        case ScriptSpanKind::String: setFormat(span.start, span.length, string); break;
        case ScriptSpanKind::Comment: setFormat(span.start, span.length, comment); break;
        case ScriptSpanKind::Number: setFormat(span.start, span.length, number); break;
        case ScriptSpanKind::Member: setFormat(span.start, span.length, member); break;
        }
    }
}

} // namespace kestrelon::ui
