// taxel-admin-windows's application object: the widget toolkit, offscreen unless a platform is
// set, for the commands that make windows; the plain core application for the others.

#include "AdminCommand.h"

#include "app/Fonts.h"

#include <QApplication>

QCoreApplication *MakeAdminApplication(int &argc, char **argv, const AdminCommand *command)
{
    if (!command || !command->windows)
        return new QCoreApplication(argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    auto *app = new QApplication(argc, argv);
    InstallFontSubstitutions();
    return app;
}
