#include "TestSupport.h"

#include "app/DesktopEntry.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace DesktopEntry;

TEST(DesktopEntryQuoting, ExecArgumentsCannotInjectAnything)
{
    EXPECT_EQ(quoteExecArgument(QStringLiteral("/opt/taxel/taxel")), QStringLiteral("/opt/taxel/taxel"));
    EXPECT_EQ(quoteExecArgument(QStringLiteral("/a b/taxel")), QStringLiteral("\"/a b/taxel\""));
    EXPECT_EQ(quoteExecArgument(QStringLiteral("/x\"$(rm -rf ~)`id`\\/t")),
        QStringLiteral("\"/x\\\"\\$(rm -rf ~)\\`id\\`\\\\/t\""));
    EXPECT_EQ(quoteExecArgument(QStringLiteral("/100%/t")), QStringLiteral("/100%%/t"));
    EXPECT_EQ(quoteExecArgument(QStringLiteral("/x;y")), QStringLiteral("\"/x;y\""));
}

TEST(DesktopEntryQuoting, KeyValuesEscapeBackslashesAndLineBreaks)
{
    const QString text = entryText(
        QStringLiteral("/a\\b/taxel"), QStringLiteral("/r\noot/StudyTaxel/Bin/"), QStringLiteral("Taxel起動"));
    const QStringList lines = text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    EXPECT_EQ(lines.first(), QStringLiteral("[Desktop Entry]"));
    EXPECT_TRUE(lines.contains(QStringLiteral("Comment=Taxel起動")));
    EXPECT_TRUE(lines.contains(QStringLiteral("Name=Taxel")));
    // the quoted argument "/a\\b/taxel" with its backslash escaped once more for the key value
    EXPECT_TRUE(lines.contains(QStringLiteral("Exec=\"/a\\\\\\\\b/taxel\""))) << text.toStdString();
    EXPECT_TRUE(lines.contains(QStringLiteral("Path=/r\\noot/StudyTaxel/Bin/"))) << "one line per key";
    EXPECT_TRUE(lines.contains(QStringLiteral("Icon=taxel")));
    EXPECT_EQ(lines.size(), 10);
}

TEST(DesktopEntryFile, PointsAtTheBinFolderUnderTheDataRootAndFailsQuietly)
{
    TempRoot root;
    QTemporaryDir desktop;
    QStringList shown;
    createDesktopShortcut(QStringLiteral("/usr/bin/taxel"), desktop.path(),
        root.root() + QStringLiteral("/StudyTaxel/Bin/"), [&](const QString &t) { shown.append(t); });
    ASSERT_EQ(shown.size(), 1);
    QFile file(desktop.path() + QStringLiteral("/Taxel.desktop"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    EXPECT_TRUE(text.contains(QStringLiteral("\nPath=") + root.root() + QStringLiteral("/StudyTaxel/Bin/\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("\nExec=/usr/bin/taxel\n")));

    EXPECT_EQ(saveShortcutFile(desktop.path() + QStringLiteral("/missing/Taxel.desktop"), QStringLiteral("t"),
                  QStringLiteral("p"), QStringLiteral("d")),
        -1);

    // a full desktop gets no shortcut, not half of one
    FullDisk disk;
    if (!disk.mounted())
        return;
    disk.fill();
    EXPECT_EQ(saveShortcutFile(disk.path() + QStringLiteral("/Taxel.desktop"), QStringLiteral("t"), QStringLiteral("p"),
                  QStringLiteral("d")),
        -1);
    EXPECT_TRUE(QDir(disk.path()).entryList(QDir::Files).isEmpty()) << "no temporary file is left";
}
