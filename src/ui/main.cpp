// kestrelon: the battle-scene generator. The main window opens on an empty project, or on the
// project file named on the command line (as a file manager opens one); the program ends when
// the main window closes.
#include "ui/dialogs/QtDialogs.h"
#include "ui/windows/frmMainMenu.h"

#include <QApplication>
#include <QFile>
#include <QIcon>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kestrelon"));
    QApplication::setDesktopFileName(QStringLiteral("kestrelon"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/kestrelon/kestrelon.png")));
    kestrelon::ui::QtDialogs dialogs(nullptr, QStringLiteral("Kestrelon!"));
    kestrelon::ui::frmMainMenu window(dialogs);
    window.show();
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() > 1)
        window.session().loadFile(QFile::encodeName(arguments.at(1)).toStdString(), dialogs);
    return QApplication::exec();
}
