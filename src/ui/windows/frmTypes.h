// The unit-type editor: the list of unit types, "Add Type", and the boxes that show and set
// the current type's motion and combat numbers, figure, attack animation, count and team.
// Deployment boxes and scripts belong to other editors.
#pragma once

#include "ui/windows/EditorWindow.h"

#include <QStringList>

#include <cstdint>
#include <optional>
#include <string>

class QFormLayout;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace kestrelon::ui {

class frmTypes : public EditorWindow {
    Q_OBJECT

public:
    frmTypes(ProjectSession& session, Dialogs& dialogs);

protected:
    void activated() override;
    void projectReplaced() override;

private slots:
    void typeChosen(int row);
    void addType();
    void applyChanges();

private:
    QWidget* createTypeColumn();
    QWidget* createBoxColumn();
    QLineEdit* createBox(const char* name, const char* label, const char* tooltip);

    // Lists every type name in index order; the current type's row stays highlighted.
    void fillTypeList();
    // Empties the number boxes and the attack animation; the figure and team stay.
    void ClearFields();
    void showType(std::int32_t index);

    // The figure typed in txtFig, looked up in the catalogue; nullopt (after telling the
    // user) when the catalogue has no figure of that name.
    std::optional<std::int32_t> findFigure();
    void applyBoxes(UnitType& type, QStringList& wholeRefused, QStringList& tooLarge);
    void applyFloat(QLineEdit* box, double& field, QStringList& tooLarge);
    void applyWhole(QLineEdit* box, std::int32_t& field, QStringList& refused);
    QString labelOf(QLineEdit* box) const;

    // The type shown in the boxes, 0 for none: Apply writes to it.
    std::int32_t CurType = 0;
    // The attack animation's bytes as shown, so an untouched box gives back exactly them.
    std::string m_shownAttackAnim;

    QListWidget* m_lstTypes = nullptr;
    QPushButton* m_command1 = nullptr;
    QPushButton* m_cmdApply = nullptr;
    QFormLayout* m_boxes = nullptr;
    QLineEdit* m_txtAccel = nullptr;
    QLineEdit* m_txtMaxSpeed = nullptr;
    QLineEdit* m_txtMaxLife = nullptr;
    QLineEdit* m_txtArmor = nullptr;
    QLineEdit* m_txtProportion = nullptr;
    QLineEdit* m_txtAttackAnim = nullptr;
    QLineEdit* m_txtDamage = nullptr;
    QLineEdit* m_txtRange = nullptr;
    QLineEdit* m_txtFig = nullptr;
    QLineEdit* m_txtTeam = nullptr;
};

} // namespace kestrelon::ui
