// taxel: the program. Finds its data root (making the user's copy of the installed tree on the
// first start of an installed program), creates the five windows and runs the main menu.

#include "AppWindows.h"
#include "Fonts.h"
#include "TaxelApplication.h"
#include "U_taxel.h"
#include "datafiles/DataRoot.h"
#include "ui/Messages.h"

#include <QGuiApplication>
#include <QScreen>

int main(int argc, char **argv)
{
    TaxelApplication app(argc, argv);
    QApplication::setWindowIcon(ProgramIcon());
    QGuiApplication::setDesktopFileName(QStringLiteral("taxel")); // the menu entry, for the desktop's taskbar
    QStringList args = QCoreApplication::arguments().mid(1);
    const QString given = DataRoot::takeRootOption(args);
    const QString problem = DataRoot::startUp(given, QStringLiteral(TAXEL_INSTALLED_DATA));
    const bool maintenance = args.contains(QStringLiteral("--maintenance"));

    try {
        if (!problem.isEmpty())
            ShowMessage(problem);
        InstallFontSubstitutions();
        CreateWindows(maintenance);
        if (const QScreen *screen = QGuiApplication::primaryScreen()) {
            QRect frame = MainForm->frameGeometry();
            frame.moveCenter(screen->availableGeometry().center());
            MainForm->move(frame.topLeft());
        }
        MainForm->show();
        app.exec();
    } catch (const std::exception &error) {
        ShowErrorMessage(QString::fromUtf8(error.what()));
    } catch (...) {
        ShowErrorMessage(QString());
    }
    DestroyWindows();
    return 0;
}
