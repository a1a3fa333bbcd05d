// taxel: the program. Finds its data tree, creates the five windows and runs the main menu.

#include "Fonts.h"
#include "TaxelApplication.h"
#include "TaxelWindows.h"
#include "U_taxel.h"
#include "datafiles/DataRoot.h"
#include "ui/Messages.h"

#include <QGuiApplication>
#include <QScreen>

namespace {

void runMainMenu(const DataRoot::StartRoot &start, bool maintenance)
{
    if (!start.problem.isEmpty())
        ShowMessage(start.problem);
    const TaxelWindows windows(ProgramServices(DataTree(start)), maintenance);
    TMainForm &main = windows.mainForm();
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect frame = main.frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        main.move(frame.topLeft());
    }
    main.show();
    QApplication::exec();
}

} // namespace

int main(int argc, char **argv)
{
    TaxelApplication app(argc, argv);
    QApplication::setWindowIcon(ProgramIcon());
    QGuiApplication::setDesktopFileName(QStringLiteral("taxel")); // the menu entry, for the desktop's taskbar
    InstallFontSubstitutions();
    app.holdFonts(DesignFonts());
    QStringList args = QCoreApplication::arguments().mid(1);
    const QString given = DataRoot::takeRootOption(args);
    const DataRoot::StartRoot start = DataRoot::startUp(given, QStringLiteral(TAXEL_INSTALLED_DATA));
    try {
        runMainMenu(start, args.contains(QStringLiteral("--maintenance")));
    } catch (const std::exception &error) {
        ShowErrorMessage(QString::fromUtf8(error.what()));
    } catch (...) {
        ShowErrorMessage(QString());
    }
    return 0;
}
