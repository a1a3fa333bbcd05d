// The console starts the widget toolkit only for the window drivers: with a display platform that
// does not exist QApplication gives up, QCoreApplication never asks for one.

#include "TestSupport.h"

#include <QProcess>
#include <gtest/gtest.h>

TEST(ConsoleStart, CommandsWithoutWindowsNeverStartTheWidgetToolkit)
{
    TempRoot root;
    root.writeLines(QStringLiteral("StudyTaxel/Koumoku_All.csv"), L({u"1,/210,日本史,ニホンシ,歴史,日本史,,1"}));
    const QStringList commands[] = {{QStringLiteral("build-index")},
        {QStringLiteral("search"), QStringLiteral("日本史")}, {QStringLiteral("check")}, {QStringLiteral("--help")},
        {QStringLiteral("koumoku"), QStringLiteral("reset")}};
    for (const QStringList &command : commands) {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("no-such-platform"));
        process.setProcessEnvironment(env);
        process.start(QStringLiteral(TAXEL_ADMIN_EXE), QStringList {QStringLiteral("--root"), root.root()} + command);
        process.waitForFinished(60000);
        const bool windows = command.first() == QLatin1String("koumoku");
        const bool ran = process.exitStatus() == QProcess::NormalExit && process.exitCode() <= 1;
        EXPECT_EQ(ran, !windows) << command.join(QLatin1Char(' ')).toStdString() << ": "
                                 << process.readAllStandardError().toStdString();
    }
}
