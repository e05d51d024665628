// The AI editor's text box: a plain text editor with line numbers beside the text, VBScript
// highlighting, completion of the members of Game and ThisGuy after their name and a dot, and a
// mark on the place of a compilation error.
#pragma once

#include <QPlainTextEdit>

#include <optional>
#include <utility>

class QCompleter;
class QStringListModel;

namespace kestrelon::ui {

class ScriptHighlighter;

class ScriptEditor : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit ScriptEditor(QWidget* parent = nullptr);

    // Marks the place (1-based line and column) of an error: its line is tinted and the
    // cursor goes there. clearMark takes the mark away, as any edit does.
    void markError(int line, int column);
    void clearMark();
    std::optional<std::pair<int, int>> markedPlace() const { return m_mark; }

    // The completion list shown now (each member with its parameters); empty while none is.
    QStringList shownCompletions() const;

    // The width the line numbers take at the left.
    int lineNumberWidth() const;
    void paintLineNumbers(QPaintEvent* event);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    class LineNumbers;

    void updateLineNumberWidth();
    void updateLineNumbers(const QRect& area, int dy);
    // The object name just before the cursor's member prefix ("Game" in "Game.Out").
    QString objectBeforeCursor(QString* prefix) const;
    void offerCompletion();
    void insertCompletion(const QString& completion);
    void showMark();

    LineNumbers* m_lineNumbers = nullptr;
    ScriptHighlighter* m_highlighter = nullptr;
    QCompleter* m_completer = nullptr;
    QStringListModel* m_completions = nullptr;
    std::optional<std::pair<int, int>> m_mark;
};

} // namespace kestrelon::ui
