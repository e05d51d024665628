// The armies view's two lists: the teams, refilled on each activation, and the types of the
// team the user clicked, which change only on the next click.
#include "ui/windows/frmArmies.h"

#include "ui/dialogs/FileText.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QSignalBlocker>

namespace kestrelon::ui {

frmArmies::frmArmies(ProjectSession& session, Dialogs& dialogs)
    : EditorWindow(session, dialogs, QStringLiteral("frmArmies"), QStringLiteral("Form1"), QStringLiteral("Armies"))
{
    createLists();
    resize(420, 320);
}

// Two lists of equal size side by side, without headings.
void frmArmies::createLists()
{
    lstTeams = new QListWidget(this);
    lstTeams->setObjectName(QStringLiteral("lstTeams"));
    lstTeams->setAccessibleName(QStringLiteral("Teams"));
    lstTeams->setToolTip(tr("The two armies; choose one to list its unit types"));
    lstTypes = new QListWidget(this);
    lstTypes->setObjectName(QStringLiteral("lstTypes"));
    lstTypes->setAccessibleName(QStringLiteral("Types in the team"));
    lstTypes->setToolTip(tr("The unit types whose Team is the army chosen on the left"));
    connect(lstTeams, &QListWidget::currentRowChanged, this, &frmArmies::teamClicked);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(lstTeams, 1);
    layout->addWidget(lstTypes, 1);
}

// Nothing is chosen afterwards, so a click on either team lists its types as they are now.
void frmArmies::activated()
{
    const QSignalBlocker refilling(lstTeams);
    lstTeams->clear();
    lstTeams->addItem(QStringLiteral("1"));
    lstTeams->addItem(QStringLiteral("2"));
}

// The types listed belonged to the project that was replaced.
void frmArmies::projectReplaced()
{
    const QSignalBlocker refilling(lstTeams);
    lstTeams->setCurrentRow(-1);
    lstTypes->clear();
}

void frmArmies::teamClicked(int row)
{
    if (row < 0)
        return;
    const int team = lstTeams->item(row)->text().toInt();
    lstTypes->clear();
    const Project& current = project();
    for (std::int32_t i = 1; i <= current.NumTypes(); ++i)
        if (current.UnitTypes[i].Team == team)
            lstTypes->addItem(toQString(current.TypeNames[i]));
}

} // namespace kestrelon::ui
