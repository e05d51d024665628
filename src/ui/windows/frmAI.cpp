// The AI script editor. Scripts are kept with CR LF line breaks, as the project file stores
// them, and shown with plain line breaks; an editor whose text the user did not change gives
// back the very bytes it was loaded from.
#include "ui/windows/frmAI.h"

#include "sim/ScriptCheck.h"
#include "ui/dialogs/FileText.h"
#include "ui/windows/ScriptEditor.h"
#include "ui/windows/TypeLookup.h"
#include "vbscript/ScriptControl.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QTextDocument>
#include <QVBoxLayout>

#include <optional>

namespace kestrelon::ui {
namespace {

const QString NoTypeChosen = QStringLiteral("You must select a type to edit code for first");
const QString EditingNone = QStringLiteral("Editing:");
// The line that ends a script in the project file: a script line that is exactly this word
// would cut the script short when the file is read back.
const QString ScriptEnd = QStringLiteral("CODEDONE");

// Scripts are written in Courier New where it is installed; the font service substitutes a
// look-alike for a missing family, so the family actually resolved is what counts.
QFont scriptFont()
{
    QFont courier(QStringLiteral("Courier New"));
    courier.setPointSizeF(9.75);
    if (QFontInfo(courier).family() == QLatin1String("Courier New"))
        return courier;
    return QFontDatabase::systemFont(QFontDatabase::FixedFont);
}

QString withPlainBreaks(const std::string& code)
{
    QString text = toQString(code);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return text;
}

QString withCrLf(QString text)
{
    text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return text;
}

// The number of the first line that is exactly the end-of-script word.
std::optional<int> endWordLine(const QString& text)
{
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        if (lines[i] == ScriptEnd)
            return i + 1;
    }
    return std::nullopt;
}

} // namespace

frmAI::frmAI(ProjectSession& session, Dialogs& dialogs)
    : EditorWindow(session, dialogs, QStringLiteral("frmAI"), QStringLiteral("Form1"), QStringLiteral("AI Scripts"))
{
    createControls();
    createLayout();
    resize(900, 600);
}

void frmAI::createControls()
{
    m_lstTypes = new QListWidget(this);
    m_lstTypes->setObjectName(QStringLiteral("lstTypes"));
    m_lstTypes->setAccessibleName(QStringLiteral("Unit types"));
    m_lstTypes->setToolTip(QStringLiteral("Choose the unit type whose script you want to edit"));
    // Choosing a type loads it and the list is filled again at once, so an entry is never
    // shown as selected; the keyboard cursor stays on the type being edited.
    m_lstTypes->setSelectionMode(QAbstractItemView::NoSelection);
    connect(m_lstTypes, &QListWidget::currentRowChanged, this, &frmAI::chooseType);

    m_Command1 = new QPushButton(QStringLiteral("Save Code"), this);
    m_Command1->setObjectName(QStringLiteral("Command1"));
    m_Command1->setToolTip(QStringLiteral("Store the script in the editor in the unit type being edited"));
    connect(m_Command1, &QPushButton::clicked, this, &frmAI::saveCode);

    m_Label1 = new QLabel(this);
    m_Label1->setObjectName(QStringLiteral("Label1"));
    // A type name is shown as typed, even one that looks like markup.
    m_Label1->setTextFormat(Qt::PlainText);
    m_Label1->setWordWrap(true);
    // A long type name wraps instead of widening the window past the screen.
    m_Label1->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);

    m_txtAI = new ScriptEditor(this);
    m_txtAI->setObjectName(QStringLiteral("txtAI"));
    m_txtAI->setAccessibleName(QStringLiteral("Script"));
    m_txtAI->setToolTip(QStringLiteral("The type's AI script: its procedure Main runs once per frame for every unit "
                                       "of the type"));
    m_txtAI->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_txtAI->setFont(scriptFont());
    connect(m_txtAI, &QPlainTextEdit::textChanged, this, &frmAI::scriptEdited);
    connect(m_txtAI, &QPlainTextEdit::cursorPositionChanged, this, &frmAI::showPosition);
    setLabel(EditingNone);

    m_cmdCheck = new QPushButton(QStringLiteral("Check"), this);
    m_cmdCheck->setObjectName(QStringLiteral("cmdCheck"));
    m_cmdCheck->setToolTip(QStringLiteral("Compile the script in the editor as a run checks it, and mark where it "
                                          "fails; nothing is saved (Ctrl+K)"));
    m_cmdCheck->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_K));
    connect(m_cmdCheck, &QPushButton::clicked, this, &frmAI::checkScript);
    m_lblCheck = new QLabel(this);
    m_lblCheck->setObjectName(QStringLiteral("lblCheck"));
    m_lblCheck->setTextFormat(Qt::PlainText);
    m_lblCheck->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_lblPosition = new QLabel(this);
    m_lblPosition->setObjectName(QStringLiteral("lblPosition"));
    m_lblPosition->setMinimumWidth(
        m_lblPosition->fontMetrics().horizontalAdvance(QStringLiteral("Line 99999, Column 9999")));
    showPosition();
}

void frmAI::createLayout()
{
    auto* typeColumn = new QVBoxLayout;
    typeColumn->addWidget(m_lstTypes, 1);
    typeColumn->addWidget(m_Command1);

    auto* status = new QHBoxLayout;
    status->addWidget(m_cmdCheck);
    status->addWidget(m_lblCheck, 1);
    status->addWidget(m_lblPosition);
    auto* scriptColumn = new QVBoxLayout;
    scriptColumn->addWidget(m_Label1);
    scriptColumn->addWidget(m_txtAI, 1);
    scriptColumn->addLayout(status);

    // The script is what the window is for: the list of names gets a quarter of the width.
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(typeColumn, 1);
    layout->addLayout(scriptColumn, 3);
    m_lstTypes->setMinimumWidth(120);
    m_lstTypes->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Expanding);
}

void frmAI::activated()
{
    fillTypeList();
}

void frmAI::projectReplaced()
{
    CurType = 0;
    m_shownBytes.clear();
    m_shownText.clear();
    {
        const QScopedValueRollback<bool> clearing(m_clearingEditor, true);
        m_txtAI->clear();
    }
    setLabel(EditingNone);
    fillTypeList();
}

bool frmAI::settleUnsavedEdits()
{
    if (!hasUnsavedEdits())
        return true;
    if (dialogs().question(keepQuestion().toStdString()))
        return storeScript();
    showScript(CurType);
    return true;
}

void frmAI::chooseType(int row)
{
    if (m_fillingList || row < 0)
        return;
    // Taken before any question: the list is filled again when this window is activated.
    const QString name = m_lstTypes->item(row)->text();
    if (settleBeforeLeaving()) {
        if (const std::int32_t chosen = lastTypeNamed(project(), name))
            showScript(chosen);
    }
    fillTypeList();
}

void frmAI::scriptEdited()
{
    if (m_clearingEditor)
        return;
    // Without a chosen type there is nowhere to store a script, so nothing typed is kept.
    if (CurType == 0 && m_txtAI->toPlainText() != NoTypeChosen)
        m_txtAI->setPlainText(NoTypeChosen);
    m_lblCheck->clear();
    turnButtonRed();
}

// The edited text goes through the run's own script check, in a project of its own: the type's
// script is not touched, and an error's line and column are those of the editor.
void frmAI::checkScript()
{
    if (CurType == 0) {
        m_lblCheck->setText(QStringLiteral("Choose a type first: there is no script to check."));
        return;
    }
    Project alone;
    alone.UnitTypes[alone.addType(project().TypeNames[CurType])].Code = toFileBytes(withCrLf(editorText()));
    vbs::ScriptControl host;
    std::optional<vbs::ScriptErrorInfo> fault;
    sim::checkScripts(host, alone, [&](std::int32_t, const vbs::ScriptErrorInfo& error) { fault = error; });
    if (!fault) {
        m_txtAI->clearMark();
        m_lblCheck->setText(QStringLiteral("The script compiles."));
        return;
    }
    m_txtAI->markError(fault->Line, fault->Column);
    m_lblCheck->setText(QStringLiteral("Line %1, column %2: %3")
                            .arg(fault->Line)
                            .arg(fault->Column)
                            .arg(toQString(fault->Description)));
}

bool frmAI::showFailure(const std::string& typeName, int line, int column)
{
    const std::int32_t type = lastTypeNamed(project(), toQString(typeName));
    if (type == 0 || !settleBeforeLeaving())
        return false;
    showScript(type);
    fillTypeList();
    if (line > 0) {
        m_txtAI->markError(line, column);
        m_lblCheck->setText(QStringLiteral("The run stopped here: line %1, column %2.").arg(line).arg(column));
    } else {
        m_lblCheck->setText(QStringLiteral("The run stopped outside the lines of this script."));
    }
    return true;
}

void frmAI::showPosition()
{
    const QTextCursor cursor = m_txtAI->textCursor();
    m_lblPosition->setText(
        QStringLiteral("Line %1, Column %2").arg(cursor.blockNumber() + 1).arg(cursor.positionInBlock() + 1));
}

void frmAI::saveCode()
{
    if (CurType != 0)
        storeScript();
}

void frmAI::fillTypeList()
{
    const QScopedValueRollback<bool> filling(m_fillingList, true);
    m_lstTypes->clear();
    for (const std::string& name : project().TypeNames)
        m_lstTypes->addItem(toQString(name));
    if (CurType != 0)
        m_lstTypes->setCurrentRow(CurType - 1, QItemSelectionModel::NoUpdate);
    else // marks the list as positioned, so that focus arriving in it does not choose the first type
        m_lstTypes->setCurrentIndex(QModelIndex());
}

void frmAI::showScript(std::int32_t type)
{
    CurType = type;
    m_shownBytes = project().UnitTypes[type].Code;
    m_txtAI->setPlainText(withPlainBreaks(m_shownBytes));
    // Read back rather than kept as given: the editor turns a lone carriage return into a
    // line break, and the comparison must be with what it really holds.
    m_shownText = editorText();
    showLabel(type);
}

void frmAI::showLabel(std::int32_t type)
{
    setLabel(QStringLiteral("Editing: ") + toQString(project().TypeNames[type]) +
             QStringLiteral(".  They work for team ") + QString::number(project().UnitTypes[type].Team));
}

// The label is not the editor's buddy, as its text changes; a screen reader hears it as the
// editor's description instead.
void frmAI::setLabel(const QString& text)
{
    m_Label1->setText(text);
    m_txtAI->setAccessibleDescription(text);
}

// The face turns red at the first change and stays so: it marks that the script was
// touched since the window opened.
void frmAI::turnButtonRed()
{
    if (m_buttonRed)
        return;
    m_buttonRed = true;
    // A border of its own makes the style draw the face from the sheet, plain red, in every
    // widget style.
    m_Command1->setStyleSheet(QStringLiteral("QPushButton { background-color: rgb(255, 0, 0); color: black; "
                                             "border: 2px solid rgb(96, 0, 0); padding: 4px 12px; }"
                                             "QPushButton:focus { border-color: black; }"
                                             "QPushButton:pressed { background-color: rgb(192, 0, 0); }"));
}

QString frmAI::editorText() const
{
    // The raw text keeps characters such as no-break spaces that the plain-text form would
    // turn into blanks; only the block separators become line breaks.
    QString text = m_txtAI->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    return text;
}

bool frmAI::hasUnsavedEdits() const
{
    return CurType != 0 && editorText() != m_shownText;
}

QString frmAI::keepQuestion()
{
    return QStringLiteral("The script of ") + toQString(project().TypeNames[CurType]) +
           QStringLiteral(" has changes that were not saved with \"Save Code\". Keep them?");
}

bool frmAI::storeScript()
{
    const QString text = editorText();
    if (const std::optional<int> line = endWordLine(text)) {
        dialogs().message((QStringLiteral("This script cannot be saved: its line ") + QString::number(*line) +
                           QStringLiteral(" is exactly \"CODEDONE\", the word that ends a script in the project file. "
                                          "Change that line and save again."))
                              .toStdString());
        return false;
    }
    const std::string code = text == m_shownText ? m_shownBytes : toFileBytes(withCrLf(text), m_shownBytes);
    project().UnitTypes[CurType].Code = code;
    m_shownBytes = code;
    m_shownText = text;
    session().noteEdit();
    return true;
}

bool frmAI::settleBeforeLeaving()
{
    if (!hasUnsavedEdits() || !dialogs().question(keepQuestion().toStdString()))
        return true;
    return storeScript();
}

} // namespace kestrelon::ui
