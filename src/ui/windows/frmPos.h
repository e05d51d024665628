// The deployment positioning window: the user picks a type from one of the two team lists,
// then clicks the top-left and bottom-right corners of its deployment box on the map, and the
// box goes into the type's four deployment fields in map units.
#pragma once

#include "ui/windows/DeploymentMap.h"
#include "ui/windows/EditorWindow.h"

#include <cstdint>

class QLabel;
class QListWidget;

namespace kestrelon::ui {

class frmPos : public EditorWindow {
    Q_OBJECT

public:
    frmPos(ProjectSession& session, Dialogs& dialogs);

protected:
    void projectReplaced() override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private slots:
    void chooseTeam1Type();
    void chooseTeam2Type();
    void clickMap(QPointF mapPoint);
    void showPointer(QPointF mapPoint);

private:
    void createControls();
    void createLayout();
    void createConnections();
    void fillLists();
    void startOver();
    void chooseType(QListWidget* list, QListWidget* otherList, const QString& request);
    void takeFirstCorner(QPointF mapPoint);
    void takeSecondCorner(QPointF mapPoint);
    UnitType* chosenType();

    // 0: map clicks do nothing; 1: the next click is the box's top-left corner; 2: the next
    // click is its bottom-right corner.
    std::int32_t ClickStage = 0;
    // The type being deployed, by its number in the project; 0: none.
    std::int32_t CurType = 0;

    QLabel* m_lblIns = nullptr;
    QLabel* m_lblMousePos = nullptr;
    DeploymentMap* m_map = nullptr;
    QLabel* m_label1 = nullptr;
    QLabel* m_label2 = nullptr;
    QListWidget* m_lstT1 = nullptr;
    QListWidget* m_lstT2 = nullptr;
    DeployBox m_box;            // the box being drawn: its corner as stored, then its size
    bool m_wasClosed = false;   // the next showing is a fresh opening
};

} // namespace kestrelon::ui
