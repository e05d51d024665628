// tessary: makes numbered copies of the figures of an An8 file. The job runs as the window
// loads; the window then stays open until the user closes it.
#include "duplicator/app/Form1.h"
#include "ui/dialogs/QtDialogs.h"

#include <QApplication>

#include <exception>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QString title = QStringLiteral("Tessary");
    QApplication::setApplicationName(title);
    kestrelon::ui::QtDialogs dialogs(nullptr, title);
    kestrelon::duplicator::Form1 form(dialogs);
    try {
        form.load();
    } catch (const std::exception& error) {
        // The job reports its own failures; anything else still ends in a message, not a crash.
        dialogs.message(std::string("Tessary stopped: ") + error.what() + "\n\nNo duplicates were written.");
    }
    form.show();
    return QApplication::exec();
}
