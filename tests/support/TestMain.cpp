#include <gtest/gtest.h>

#include <QStandardPaths>
#ifdef TAXEL_TEST_GUI
#include "app/Fonts.h"

#include <QApplication>
#else
#include <QCoreApplication>
#endif

int main(int argc, char **argv)
{
    QStandardPaths::setTestModeEnabled(true);
#ifdef TAXEL_TEST_GUI
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    InstallFontSubstitutions();
#else
    QCoreApplication app(argc, argv);
#endif
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
