// VBScript highlighting for the AI editor: keywords, strings, comments, numbers, and the members
// of Game and ThisGuy after their object's name. The spans of a line are worked out by a plain
// function, so what is coloured can be tested without a window.
#pragma once

#include <QString>
#include <QSyntaxHighlighter>

#include <vector>

namespace kestrelon::ui {

enum class ScriptSpanKind { Keyword, String, Comment, Number, Member };

struct ScriptSpan {
    int start;
    int length;
    ScriptSpanKind kind;
    friend bool operator==(const ScriptSpan&, const ScriptSpan&) = default;
};

// The coloured spans of one line of script, left to right. A string left open at the end of
// the line runs to its end, as VBScript strings never span lines.
std::vector<ScriptSpan> scriptSpans(const QString& line);

class ScriptHighlighter : public QSyntaxHighlighter {
    Q_OBJECT

public:
    explicit ScriptHighlighter(QTextDocument* document);

protected:
    void highlightBlock(const QString& text) override;
};

} // namespace kestrelon::ui
