// Answering Qt's modal dialogs from a test: the action runs once the dialog of the expected
// kind is up and its own event loop is turning, as a user's click would.
#pragma once

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace kestrelon::testing {

// Calls act with the active modal widget once it is a DialogType; a dialog of the wrong kind
// (or none at all, after a generous wait) is rejected so that the test fails instead of hanging.
template <typename DialogType>
void whenModalShown(std::function<void(DialogType*)> act, int attemptsLeft = 1000)
{
    QTimer::singleShot(5, [act = std::move(act), attemptsLeft]() mutable {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* dialog = qobject_cast<DialogType*>(modal)) {
            act(dialog);
            return;
        }
        if (attemptsLeft > 0) {
            whenModalShown<DialogType>(std::move(act), attemptsLeft - 1);
            return;
        }
        if (auto* other = qobject_cast<QDialog*>(modal))
            other->reject();
    });
}

} // namespace kestrelon::testing
