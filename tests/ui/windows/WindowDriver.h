// Driving Kestrelon's windows as a user does: controls found by their objectNames, clicked
// and typed into with real mouse and key events, and the activation a window gets when the
// user comes back to it.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QtTest>

namespace kestrelon::testing {

// The control of that name and kind inside window; nullptr when there is none (check it).
template <typename Control>
Control* control(QWidget* window, const QString& name)
{
    if (window->objectName() == name)
        return qobject_cast<Control*>(window);
    return window->findChild<Control*>(name);
}

// The window becomes the active one, as when the user clicks into it.
inline void activate(QWidget* window)
{
    QEvent activation(QEvent::WindowActivate);
    QApplication::sendEvent(window, &activation);
}

inline void click(QAbstractButton* button)
{
    QTest::mouseClick(button, Qt::LeftButton);
}

// A click on a list's row, where the row is drawn.
inline void clickRow(QListWidget* list, int row)
{
    QListWidgetItem* item = list->item(row);
    QVERIFY(item);
    list->scrollToItem(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
}

// The rows' texts, top to bottom.
inline QStringList rows(const QListWidget* list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

// Replaces a box's text by typing, as a user selects all and types over it.
inline void typeInto(QLineEdit* box, const QString& text)
{
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
}

} // namespace kestrelon::testing
