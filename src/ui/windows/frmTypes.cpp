// The unit-type editor: choosing a type fills the boxes from it, "Add Type" asks for a name
// and appends an empty type, and "Apply Changes" writes the boxes back, each number box only
// when it holds a number the field can take.
#include "ui/windows/frmTypes.h"

#include "platform/NumberFormatting.h"
#include "platform/NumberParsing.h"
#include "platform/Rounding.h"
#include "ui/dialogs/FileText.h"
#include "ui/windows/TypeLookup.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace kestrelon::ui {
namespace {

// parseNumber refuses a number beyond the Double range as it refuses words. With every digit
// zeroed such a text parses, while a text that is no number still does not, so the user can be
// told the number was too large instead of hearing nothing. "&H" and "&O" numbers never
// reach that size and are left out, as zeroing would make "&O9" look valid.
bool isTooLargeNumber(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.startsWith(QLatin1Char('&')) || parseNumber(trimmed.toStdString()))
        return false;
    std::string zeroed = trimmed.toStdString();
    for (char& c : zeroed)
        if (c >= '1' && c <= '9')
            c = '0';
    return parseNumber(zeroed).has_value();
}

// "A", "A" and "B", "A", "B" and "C".
QString quotedList(const QStringList& labels)
{
    QStringList quoted;
    for (const QString& label : labels)
        quoted << QLatin1Char('"') + label + QLatin1Char('"');
    const QString last = quoted.takeLast();
    return quoted.isEmpty() ? last : quoted.join(QStringLiteral(", ")) + QStringLiteral(" and ") + last;
}

// "the number in "A" is <what>" or "the numbers in "A" and "B" are <what>".
QString refusalClause(const QStringList& labels, const QString& what)
{
    const bool one = labels.size() == 1;
    return QStringLiteral("the %1 in %2 %3 %4")
        .arg(one ? QStringLiteral("number") : QStringLiteral("numbers"), quotedList(labels),
             one ? QStringLiteral("is") : QStringLiteral("are"), what);
}

// One message for every box whose number the type could not take, as the user pressed Apply
// once; empty when there is none.
QString refusalMessage(const QStringList& wholeRefused, const QStringList& tooLarge)
{
    QStringList clauses;
    if (!wholeRefused.isEmpty())
        clauses << refusalClause(wholeRefused,
                                 QStringLiteral("outside the range of whole numbers (-2147483648 to 2147483647)"));
    if (!tooLarge.isEmpty())
        clauses << refusalClause(tooLarge, QStringLiteral("too large"));
    if (clauses.isEmpty())
        return {};
    QString text = clauses.join(QStringLiteral(" and "));
    text[0] = text[0].toUpper();
    const bool one = wholeRefused.size() + tooLarge.size() == 1;
    return text + (one ? QStringLiteral("; that value was not changed.")
                       : QStringLiteral("; those values were not changed."));
}

QString numberText(std::int32_t value)
{
    return QString::fromStdString(formatInteger(value));
}

QString numberText(double value)
{
    return QString::fromStdString(formatDouble(value));
}

} // namespace

frmTypes::frmTypes(ProjectSession& session, Dialogs& dialogs)
    : EditorWindow(session, dialogs, QStringLiteral("frmTypes"), QStringLiteral("Form1"), QStringLiteral("Unit Types"))
{
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(createTypeColumn(), 1);
    layout->addWidget(createBoxColumn(), 2);
    resize(620, 440);
}

QWidget* frmTypes::createTypeColumn()
{
    auto* column = new QWidget(this);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    m_lstTypes = new QListWidget(column);
    m_lstTypes->setObjectName(QStringLiteral("lstTypes"));
    m_lstTypes->setAccessibleName(QStringLiteral("Unit types"));
    m_lstTypes->setToolTip(QStringLiteral("Choose a type to show and edit its values"));
    const QString typicalName = QStringLiteral("A type name of some length");
    m_lstTypes->setMinimumWidth(m_lstTypes->fontMetrics().horizontalAdvance(typicalName));
    connect(m_lstTypes, &QListWidget::currentRowChanged, this, &frmTypes::typeChosen);
    m_command1 = new QPushButton(QStringLiteral("Add Type"), column);
    m_command1->setObjectName(QStringLiteral("Command1"));
    connect(m_command1, &QPushButton::clicked, this, &frmTypes::addType);
    layout->addWidget(m_lstTypes);
    layout->addWidget(m_command1);
    return column;
}

QWidget* frmTypes::createBoxColumn()
{
    auto* column = new QWidget(this);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    m_boxes = new QFormLayout;
    m_txtAccel = createBox("txtAccel", "Acceleration", "How quickly the type's units gain speed");
    m_txtMaxSpeed = createBox("txtMaxSpeed", "Maximum Speed", "The fastest the type's units move");
    m_txtMaxLife = createBox("txtMaxLife", "Maximum Life", "The life a unit of this type starts with (a whole number)");
    m_txtArmor = createBox("txtArmor", "Armor", "The type's armour (a whole number)");
    m_txtProportion = createBox("txtProportion", "# in action:", "How many units of this type take part in a battle");
    m_txtAttackAnim = createBox("txtAttackAnim", "Name of Attack Anim",
                                "The named sequence the type's units play when they attack");
    m_txtDamage = createBox("txtDamage", "Damage Done", "The damage one attack does (a whole number)");
    m_txtRange = createBox("txtRange", "Maximum Range", "How far away a unit of this type can attack");
    m_txtFig = createBox("txtFig", "Figure used",
                         "The figure that shows the type's units, as named in the figure files");
    m_txtTeam = createBox("txtTeam", "Team", "The army the type belongs to: 1 or 2");
    m_cmdApply = new QPushButton(QStringLiteral("Apply Changes"), column);
    m_cmdApply->setObjectName(QStringLiteral("cmdApply"));
    connect(m_cmdApply, &QPushButton::clicked, this, &frmTypes::applyChanges);
    layout->addLayout(m_boxes);
    layout->addWidget(m_cmdApply);
    layout->addStretch();
    return column;
}

// A labelled box of the column; Return in it applies the boxes, as a dialog's default button.
QLineEdit* frmTypes::createBox(const char* name, const char* label, const char* tooltip)
{
    auto* box = new QLineEdit(this);
    box->setObjectName(QLatin1String(name));
    box->setToolTip(QString::fromUtf8(tooltip));
    // Wide enough for a number of fifteen digits in its exponent form, however small the window.
    box->setMinimumWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("-0.00000000000000E+000")));
    auto* caption = new QLabel(QString::fromUtf8(label), this);
    caption->setBuddy(box);
    m_boxes->addRow(caption, box);
    connect(box, &QLineEdit::returnPressed, this, [this] { m_cmdApply->click(); });
    return box;
}

void frmTypes::activated()
{
    fillTypeList();
}

void frmTypes::projectReplaced()
{
    CurType = 0;
    ClearFields();
    m_txtFig->clear();
    m_txtTeam->clear();
    m_shownAttackAnim.clear();
    fillTypeList();
}

void frmTypes::fillTypeList()
{
    const QSignalBlocker blocker(m_lstTypes);
    m_lstTypes->clear();
    for (const std::string& name : project().TypeNames)
        m_lstTypes->addItem(toQString(name));
    // The boxes still show CurType: its row stays marked, so the user sees whose values they are.
    // With no type shown no row is current, and, set through the view, it stays so when the
    // list gets the focus: a type is chosen only by the user's click or arrow key.
    m_lstTypes->setCurrentIndex(m_lstTypes->model()->index(CurType - 1, 0));
}

void frmTypes::ClearFields()
{
    for (QLineEdit* box : {m_txtDamage, m_txtProportion, m_txtMaxSpeed, m_txtMaxLife, m_txtAccel, m_txtArmor,
                           m_txtAttackAnim, m_txtRange})
        box->clear();
}

void frmTypes::typeChosen(int row)
{
    if (row < 0)
        return;
    ClearFields();
    if (const std::int32_t chosen = lastTypeNamed(project(), m_lstTypes->item(row)->text()))
        showType(chosen);
}

void frmTypes::showType(std::int32_t index)
{
    const UnitType& type = project().UnitTypes[index];
    m_txtDamage->setText(numberText(type.Damage));
    m_txtProportion->setText(numberText(type.Proportion));
    m_txtMaxSpeed->setText(numberText(type.MaxSpeed));
    m_txtMaxLife->setText(numberText(type.Maxlife));
    m_txtAccel->setText(numberText(type.Accel));
    m_txtArmor->setText(numberText(type.Armor));
    m_txtAttackAnim->setText(toQString(type.AttackAnim));
    m_txtRange->setText(numberText(type.Range));
    m_txtTeam->setText(numberText(type.Team));
    m_txtFig->setText(toQString(type.Figure));
    m_shownAttackAnim = type.AttackAnim;
    CurType = index;
}

// The new type is not chosen: the boxes and CurType stay on the type they show.
void frmTypes::addType()
{
    const auto name = dialogs().inputBox("Enter the name of this type");
    if (!name)
        return;
    project().addType(*name);
    session().noteEdit();
    fillTypeList();
}

void frmTypes::applyChanges()
{
    const auto figure = findFigure();
    if (CurType == 0)
        return;
    UnitType& current = project().UnitTypes[CurType];
    UnitType type = current;
    if (figure) {
        type.FigureIndex = *figure;
        type.Figure = project().FigureNames[*figure];
    }
    QStringList wholeRefused, tooLarge;
    applyBoxes(type, wholeRefused, tooLarge);
    if (!(type == current)) {
        current = type;
        session().noteEdit();
    }
    const QString refusal = refusalMessage(wholeRefused, tooLarge);
    if (!refusal.isEmpty())
        dialogs().message(refusal.toStdString());
}

// The figure names are compared without regard to case; the last matching entry wins.
std::optional<std::int32_t> frmTypes::findFigure()
{
    const QString typed = m_txtFig->text().toUpper();
    std::optional<std::int32_t> found;
    for (std::int32_t i = 1; i <= project().NumFigures(); ++i)
        if (toQString(project().FigureNames[i]).toUpper() == typed)
            found = i;
    if (!found)
        dialogs().message("That figure does not exist");
    return found;
}

// Each box sets its own field, so the boxes are read top to bottom, the order the message
// about refused numbers names them in.
void frmTypes::applyBoxes(UnitType& type, QStringList& wholeRefused, QStringList& tooLarge)
{
    applyFloat(m_txtAccel, type.Accel, tooLarge);
    applyFloat(m_txtMaxSpeed, type.MaxSpeed, tooLarge);
    applyWhole(m_txtMaxLife, type.Maxlife, wholeRefused);
    applyWhole(m_txtArmor, type.Armor, wholeRefused);
    applyFloat(m_txtProportion, type.Proportion, tooLarge);
    type.AttackAnim = toFileBytes(m_txtAttackAnim->text(), m_shownAttackAnim);
    applyWhole(m_txtDamage, type.Damage, wholeRefused);
    applyFloat(m_txtRange, type.Range, tooLarge);
    applyWhole(m_txtTeam, type.Team, wholeRefused);
}

// Text that is no number leaves the field as it was, without a word.
void frmTypes::applyFloat(QLineEdit* box, double& field, QStringList& tooLarge)
{
    if (const auto number = parseNumber(box->text().toStdString()))
        field = *number;
    else if (isTooLargeNumber(box->text()))
        tooLarge << labelOf(box);
}

// Whole-number fields take the nearest whole number, a half going to the even neighbour.
void frmTypes::applyWhole(QLineEdit* box, std::int32_t& field, QStringList& refused)
{
    if (const auto number = parseNumber(box->text().toStdString())) {
        if (const auto whole = tryRoundToInt32(*number))
            field = *whole;
        else
            refused << labelOf(box);
    } else if (isTooLargeNumber(box->text())) {
        refused << labelOf(box);
    }
}

QString frmTypes::labelOf(QLineEdit* box) const
{
    const auto* label = qobject_cast<QLabel*>(m_boxes->labelForField(box));
    Q_ASSERT(label);
    return label->text();
}

} // namespace kestrelon::ui
