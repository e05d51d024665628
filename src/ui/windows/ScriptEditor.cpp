// Line numbers are a narrow widget in the editor's left margin, painted from the visible text
// blocks; completion is a popup of the object's members, filtered by what follows the dot.
#include "ui/windows/ScriptEditor.h"

#include "ui/windows/ScriptHighlighter.h"
#include "ui/windows/ScriptMembers.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStringListModel>
#include <QTextBlock>

namespace kestrelon::ui {

class ScriptEditor::LineNumbers : public QWidget {
public:
    explicit LineNumbers(ScriptEditor* editor) : QWidget(editor), m_editor(editor)
    {
        setObjectName(QStringLiteral("lineNumbers"));
    }
    QSize sizeHint() const override { return {m_editor->lineNumberWidth(), 0}; }

protected:
    void paintEvent(QPaintEvent* event) override { m_editor->paintLineNumbers(event); }

private:
    ScriptEditor* m_editor;
};

namespace {

const QColor ErrorLineTint(0xFF, 0xD8, 0xD8);

// The member's name, from an entry "Name(parameters)" of the completion list.
QString memberNameOf(const QString& completion)
{
    const int parenthesis = completion.indexOf(QLatin1Char('('));
    return parenthesis < 0 ? completion : completion.left(parenthesis);
}

} // namespace

ScriptEditor::ScriptEditor(QWidget* parent) : QPlainTextEdit(parent)
{
    m_lineNumbers = new LineNumbers(this);
    m_highlighter = new ScriptHighlighter(document());
    m_completions = new QStringListModel(this);
    m_completer = new QCompleter(m_completions, this);
    m_completer->setWidget(this);
    m_completer->setCaseSensitivity(Qt::CaseInsensitive);
    m_completer->setCompletionMode(QCompleter::PopupCompletion);
    m_completer->popup()->setObjectName(QStringLiteral("completions"));
    connect(m_completer, qOverload<const QString&>(&QCompleter::activated), this, &ScriptEditor::insertCompletion);
    connect(this, &QPlainTextEdit::blockCountChanged, this, &ScriptEditor::updateLineNumberWidth);
    connect(this, &QPlainTextEdit::updateRequest, this, &ScriptEditor::updateLineNumbers);
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        if (m_mark)
            clearMark();
    });
    updateLineNumberWidth();
}

int ScriptEditor::lineNumberWidth() const
{
    int digits = 1;
    for (int count = std::max(1, blockCount()); count >= 10; count /= 10)
        ++digits;
    return 8 + fontMetrics().horizontalAdvance(QLatin1Char('9')) * std::max(digits, 3);
}

void ScriptEditor::updateLineNumberWidth()
{
    setViewportMargins(lineNumberWidth(), 0, 0, 0);
}

void ScriptEditor::updateLineNumbers(const QRect& area, int dy)
{
    if (dy != 0)
        m_lineNumbers->scroll(0, dy);
    else
        m_lineNumbers->update(0, area.y(), m_lineNumbers->width(), area.height());
}

void ScriptEditor::resizeEvent(QResizeEvent* event)
{
    QPlainTextEdit::resizeEvent(event);
    const QRect inside = contentsRect();
    m_lineNumbers->setGeometry(QRect(inside.left(), inside.top(), lineNumberWidth(), inside.height()));
}

void ScriptEditor::paintLineNumbers(QPaintEvent* event)
{
    QPainter painter(m_lineNumbers);
    painter.fillRect(event->rect(), palette().color(QPalette::AlternateBase));
    painter.setPen(palette().color(QPalette::PlaceholderText));
    QTextBlock block = firstVisibleBlock();
    int top = qRound(blockBoundingGeometry(block).translated(contentOffset()).top());
    while (block.isValid() && top <= event->rect().bottom()) {
        const int height = qRound(blockBoundingRect(block).height());
        if (block.isVisible() && top + height >= event->rect().top()) {
            painter.drawText(0, top, m_lineNumbers->width() - 4, fontMetrics().height(), Qt::AlignRight,
                             QString::number(block.blockNumber() + 1));
        }
        block = block.next();
        top += height;
    }
}

void ScriptEditor::markError(int line, int column)
{
    m_mark = std::pair(line, column);
    showMark();
}

void ScriptEditor::clearMark()
{
    m_mark.reset();
    setExtraSelections({});
}

// The line is tinted across the editor's width; the cursor stands at the column (the start of
// the line for an error without one).
void ScriptEditor::showMark()
{
    const QTextBlock block = document()->findBlockByNumber(std::max(0, m_mark->first - 1));
    QTextCursor cursor(block);
    cursor.movePosition(QTextCursor::Right, QTextCursor::MoveAnchor,
                        std::clamp(m_mark->second - 1, 0, std::max(0, block.length() - 1)));
    QTextEdit::ExtraSelection tint;
    tint.format.setBackground(ErrorLineTint);
    tint.format.setProperty(QTextFormat::FullWidthSelection, true);
    tint.cursor = cursor;
    setExtraSelections({tint});
    setTextCursor(cursor);
    centerCursor();
}

QString ScriptEditor::objectBeforeCursor(QString* prefix) const
{
    const QTextCursor cursor = textCursor();
    const QString line = cursor.block().text().left(cursor.positionInBlock());
    int at = static_cast<int>(line.size());
    while (at > 0 && (line[at - 1].isLetterOrNumber() || line[at - 1] == QLatin1Char('_')))
        --at;
    *prefix = line.mid(at);
    if (at == 0 || line[at - 1] != QLatin1Char('.'))
        return {};
    int start = at - 1;
    while (start > 0 && (line[start - 1].isLetterOrNumber() || line[start - 1] == QLatin1Char('_')))
        --start;
    return line.mid(start, at - 1 - start);
}

void ScriptEditor::offerCompletion()
{
    QString prefix;
    const auto& members = membersOf(objectBeforeCursor(&prefix));
    if (members.empty()) {
        m_completer->popup()->hide();
        return;
    }
    QStringList entries;
    for (const ScriptMember& member : members)
        entries << member.name + member.parameters;
    m_completions->setStringList(entries);
    m_completer->setCompletionPrefix(prefix);
    if (m_completer->completionCount() == 0) {
        m_completer->popup()->hide();
        return;
    }
    m_completer->popup()->setCurrentIndex(m_completer->completionModel()->index(0, 0));
    QRect place = cursorRect();
    place.setWidth(m_completer->popup()->sizeHintForColumn(0) + m_completer->popup()->verticalScrollBar()->sizeHint().width());
    m_completer->complete(place);
}

// The member's name replaces what was typed of it; its parameters are only a reminder.
void ScriptEditor::insertCompletion(const QString& completion)
{
    QString prefix;
    objectBeforeCursor(&prefix);
    QTextCursor cursor = textCursor();
    cursor.movePosition(QTextCursor::Left, QTextCursor::KeepAnchor, static_cast<int>(prefix.size()));
    cursor.insertText(memberNameOf(completion));
    setTextCursor(cursor);
}

QStringList ScriptEditor::shownCompletions() const
{
    QStringList shown;
    if (!m_completer->popup()->isVisible())
        return shown;
    const QAbstractItemModel* model = m_completer->completionModel();
    for (int row = 0; row < model->rowCount(); ++row)
        shown << model->index(row, 0).data().toString();
    return shown;
}

void ScriptEditor::keyPressEvent(QKeyEvent* event)
{
    if (m_completer->popup()->isVisible()) {
        switch (event->key()) {
        case Qt::Key_Enter:
        case Qt::Key_Return:
        case Qt::Key_Tab:
        case Qt::Key_Escape:
            event->ignore(); // the popup takes these
            return;
        default: break;
        }
    }
    QPlainTextEdit::keyPressEvent(event);
    const QString typed = event->text();
    const bool nameKey = !typed.isEmpty() && (typed[0].isLetterOrNumber() || typed[0] == QLatin1Char('_'));
    if (typed == QLatin1String(".") || (nameKey && m_completer->popup()->isVisible()) ||
        event->key() == Qt::Key_Backspace)
        offerCompletion();
}

} // namespace kestrelon::ui
