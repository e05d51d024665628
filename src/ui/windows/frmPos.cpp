// The positioning window's controls and the two-click box selection. The window keeps only
// which type is being deployed and which corner comes next; the boxes live in the project.
#include "ui/windows/frmPos.h"

#include "platform/NumberFormatting.h"
#include "platform/Rounding.h"
#include "ui/dialogs/FileText.h"
#include "ui/windows/TypeLookup.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <cassert>

namespace kestrelon::ui {

namespace {

const QString NoInstructions = QStringLiteral("Instructions will appear here");

// A map position as a whole number of map units, halves to the even neighbour. Positions come
// from the drawing area, a few hundred units at most, so they always fit.
std::int32_t wholeUnits(double value)
{
    const auto whole = tryRoundToInt32(value);
    assert(whole);
    return *whole;
}

QListWidget* createTypeList(const QString& name, const QString& toolTip)
{
    auto* list = new QListWidget;
    list->setObjectName(name);
    list->setToolTip(toolTip);
    const int line = list->fontMetrics().height();
    list->setMinimumHeight(5 * line);
    list->setMaximumHeight(8 * line);
    return list;
}

QLabel* createListLabel(const QString& name, const QString& text, QListWidget* list)
{
    auto* label = new QLabel(text);
    label->setObjectName(name);
    label->setBuddy(list);
    // Lists take no name from their buddy label: a screen reader needs it set on the list.
    list->setAccessibleName(text);
    return label;
}

} // namespace

frmPos::frmPos(ProjectSession& session, Dialogs& dialogs)
    : EditorWindow(session, dialogs, QStringLiteral("frmPos"), QStringLiteral("Form1"), QStringLiteral("Positioning"))
{
    createControls();
    createLayout();
    createConnections();
    fillLists();
}

void frmPos::createControls()
{
    m_lblIns = new QLabel(NoInstructions);
    m_lblIns->setObjectName(QStringLiteral("lblIns"));
    m_lblIns->setWordWrap(true);

    m_lblMousePos = new QLabel;
    m_lblMousePos->setObjectName(QStringLiteral("lblMousePos"));
    m_lblMousePos->setMinimumHeight(m_lblMousePos->fontMetrics().height());
    m_lblMousePos->setToolTip(tr("Where the pointer is on the map, in map units (x, y)"));

    m_map = new DeploymentMap(session());
    m_map->setObjectName(QStringLiteral("Picture1"));
    m_map->setAccessibleName(tr("Map"));
    m_map->setAccessibleDescription(
        tr("The battlefield seen from above. Choose a type in a list, then click the top left corner "
           "of its deployment box and then the bottom right corner."));

    m_lstT1 = createTypeList(QStringLiteral("lstT1"), tr("The types of team 1: choose one to place its box"));
    m_lstT2 = createTypeList(QStringLiteral("lstT2"),
                             tr("The types of team 2 and those in no army: choose one to place its box"));
    m_label1 = createListLabel(QStringLiteral("Label1"), QStringLiteral("Team 1 Types"), m_lstT1);
    m_label2 = createListLabel(QStringLiteral("Label2"), QStringLiteral("Team 2 Types"), m_lstT2);
}

void frmPos::createLayout()
{
    auto* lists = new QGridLayout;
    lists->addWidget(m_label1, 0, 0);
    lists->addWidget(m_lstT1, 1, 0);
    lists->addWidget(m_label2, 0, 1);
    lists->addWidget(m_lstT2, 1, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_lblIns);
    layout->addWidget(m_lblMousePos);
    layout->addWidget(new DeploymentMapHolder(m_map), 1);
    layout->addLayout(lists);
}

void frmPos::createConnections()
{
    // A choice is an entry the user selects. Keyboard focus entering a list makes its first
    // entry current without selecting it, and that is no choice yet.
    connect(m_lstT1, &QListWidget::itemSelectionChanged, this, [this] {
        if (!m_lstT1->selectedItems().isEmpty())
            chooseTeam1Type();
    });
    connect(m_lstT2, &QListWidget::itemSelectionChanged, this, [this] {
        if (!m_lstT2->selectedItems().isEmpty())
            chooseTeam2Type();
    });
    // A click on the entry already chosen starts its box again, so a box can be redrawn.
    connect(m_lstT1, &QListWidget::itemClicked, this, &frmPos::chooseTeam1Type);
    connect(m_lstT2, &QListWidget::itemClicked, this, &frmPos::chooseTeam2Type);
    connect(m_map, &DeploymentMap::pressed, this, &frmPos::clickMap);
    connect(m_map, &DeploymentMap::moved, this, &frmPos::showPointer);
    // Boxes and teams changed elsewhere show at once, as the map draws them from the project.
    connect(&session(), &ProjectSession::edited, m_map, qOverload<>(&QWidget::update));
}

// Team 1's types on the left, every other type (team 2, or no army) on the right.
void frmPos::fillLists()
{
    const QSignalBlocker blockTeam1(m_lstT1), blockTeam2(m_lstT2);
    m_lstT1->clear();
    m_lstT2->clear();
    const Project& types = project();
    for (std::int32_t i = 1; i <= types.NumTypes(); ++i)
        (types.UnitTypes[i].Team == 1 ? m_lstT1 : m_lstT2)->addItem(toQString(types.TypeNames[i]));
}

// Nothing chosen and no box under way, as when the window is first opened.
void frmPos::startOver()
{
    ClickStage = 0;
    CurType = 0;
    m_lblIns->setText(NoInstructions);
    m_map->setJustDrawn(std::nullopt);
    m_map->setPendingCorner(std::nullopt);
}

void frmPos::projectReplaced()
{
    startOver();
    fillLists();
}

void frmPos::showEvent(QShowEvent* event)
{
    EditorWindow::showEvent(event);
    if (m_wasClosed && !event->spontaneous()) {
        m_wasClosed = false;
        startOver();
        m_lblMousePos->clear();
        fillLists();
    }
}

void frmPos::closeEvent(QCloseEvent* event)
{
    EditorWindow::closeEvent(event);
    m_wasClosed = event->isAccepted();
}

void frmPos::chooseTeam1Type()
{
    chooseType(m_lstT1, m_lstT2, QStringLiteral(" select the top left corner of that units deployment box"));
}

void frmPos::chooseTeam2Type()
{
    chooseType(m_lstT2, m_lstT1, QStringLiteral(" select the top left of that unit's deployment zone"));
}

// The last type of that name wins, as duplicate names cannot be told apart in the list. Only
// one list shows a choice, the type being deployed.
void frmPos::chooseType(QListWidget* list, QListWidget* otherList, const QString& request)
{
    const QString name = list->selectedItems().isEmpty() ? QString() : list->selectedItems().first()->text();
    {
        const QSignalBlocker block(otherList);
        otherList->clearSelection();
        otherList->setCurrentRow(-1);
    }
    m_lblIns->setText(QStringLiteral("You have selected ") + name + request);
    ClickStage = 1;
    m_map->setPendingCorner(std::nullopt);
    // A name no type has (any longer) leaves the type chosen before.
    if (const std::int32_t chosen = lastTypeNamed(project(), name))
        CurType = chosen;
}

UnitType* frmPos::chosenType()
{
    return CurType == 0 ? nullptr : &project().UnitTypes[CurType];
}

void frmPos::clickMap(QPointF mapPoint)
{
    if (ClickStage == 1)
        takeFirstCorner(mapPoint);
    else if (ClickStage == 2)
        takeSecondCorner(mapPoint);
}

void frmPos::takeFirstCorner(QPointF mapPoint)
{
    m_lblIns->setText(QStringLiteral("Now select the bottom right corner of the deployment box."));
    m_box = DeployBox{wholeUnits(mapPoint.x()), wholeUnits(mapPoint.y()), 0, 0};
    if (UnitType* type = chosenType()) {
        type->DeployLeft = m_box.left;
        type->DeployTop = m_box.top;
        session().noteEdit();
    }
    ClickStage = 2;
    m_map->setJustDrawn(std::nullopt);
    m_map->setPendingCorner(QPointF(m_box.left, m_box.top));
}

// The size is measured from the corner as stored to the point as clicked; a second corner
// left of or above the first gives a negative size, which describes the same area.
void frmPos::takeSecondCorner(QPointF mapPoint)
{
    m_lblIns->setText(QStringLiteral("Unit successfully deployed"));
    m_box.width = wholeUnits(mapPoint.x() - m_box.left);
    m_box.height = wholeUnits(mapPoint.y() - m_box.top);
    if (UnitType* type = chosenType()) {
        type->DeployWidth = m_box.width;
        type->DeployHeight = m_box.height;
        session().noteEdit();
    }
    ClickStage = 0;
    m_map->setPendingCorner(std::nullopt);
    m_map->setJustDrawn(m_box, CurType == 0 ? QString() : toQString(project().TypeNames[CurType]));
}

void frmPos::showPointer(QPointF mapPoint)
{
    m_lblMousePos->setText(QStringLiteral("(") + QString::fromStdString(formatSingle(float(mapPoint.x())))
                           + QStringLiteral(", ") + QString::fromStdString(formatSingle(float(mapPoint.y())))
                           + QStringLiteral(")"));
}

} // namespace kestrelon::ui
