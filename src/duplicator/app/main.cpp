// tessary: makes numbered copies of the figures of an An8 file. The job runs as the window
// loads; the window then shows how it ended and stays open until the user closes it.
#include "duplicator/app/Form1.h"
#include "ui/dialogs/QtDialogs.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QString title = QStringLiteral("Tessary");
    QApplication::setApplicationName(title);
    QApplication::setDesktopFileName(QStringLiteral("tessary"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/tessary/tessary.png")));
    kestrelon::ui::QtDialogs dialogs(nullptr, title);
    kestrelon::duplicator::Form1 form(dialogs);
    form.load();
    form.show();
    return QApplication::exec();
}
