#include "AdminRun.h"

#include <gtest/gtest.h>

TEST(AdminConsole, UsageErrorsExitWithTwoAndHelpWithZero)
{
    EXPECT_EQ(RunAdmin({}).status, 2);
    const AdminResult unknown = RunAdmin({QStringLiteral("no-such-command")});
    EXPECT_EQ(unknown.status, 2);
    EXPECT_TRUE(unknown.err.contains(QStringLiteral("usage: taxel-admin")));
    EXPECT_EQ(RunAdmin({QStringLiteral("--bogus"), QStringLiteral("search")}).status, 2);
    const AdminResult help = RunAdmin({QStringLiteral("--help")});
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.out.contains(QStringLiteral("--root DIR")));
}
