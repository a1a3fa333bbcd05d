#include <gtest/gtest.h>

#include <QStandardPaths>
#ifdef TAXEL_TEST_GUI
#include "app/Fonts.h"
#include "app/TaxelApplication.h"
#else
#include <QCoreApplication>
#endif

int main(int argc, char **argv)
{
    QStandardPaths::setTestModeEnabled(true);
#ifdef TAXEL_TEST_GUI
    qputenv("QT_QPA_PLATFORM", "offscreen");
    TaxelApplication app(argc, argv); // an error escaping a handler is shown, as in the program
    InstallFontSubstitutions();
#else
    QCoreApplication app(argc, argv);
#endif
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
