// taxel: the program. Finds its data root, creates the five windows and runs the main menu.

#include "AppWindows.h"
#include "Fonts.h"
#include "TaxelApplication.h"
#include "U_taxel.h"
#include "datafiles/DataRoot.h"
#include "ui/Messages.h"

#include <QDir>
#include <QGuiApplication>
#include <QScreen>

int main(int argc, char **argv)
{
    TaxelApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments().mid(1);
    const QString given = DataRoot::takeRootOption(args);
    DataRoot::setRoot(DataRoot::findRoot(given, QDir::currentPath()));
    const bool maintenance = args.contains(QStringLiteral("--maintenance"));

    try {
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
