#include "WindowTestSupport.h"

#include "ui/ResizeKit.h"
#include "ui/StatusHints.h"
#include "ui/WidgetDump.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFrame>
#include <QJsonArray>
#include <QLabel>
#include <QListWidget>
#include <QStatusBar>
#include <gtest/gtest.h>

namespace {
struct SmallWindow
{
    QDialog window;
    QFrame *panel = new QFrame(&window);
    QLabel *label = new QLabel(QStringLiteral("見出し"), panel);
    QListWidget *list = new QListWidget(&window);
    QComboBox *combo = new QComboBox(&window);
    QCheckBox *check = new QCheckBox(QStringLiteral("CB"), &window);
    QStatusBar *bar = new QStatusBar(&window);

    SmallWindow()
    {
        window.resize(200, 100);
        panel->setObjectName(QStringLiteral("Pone"));
        panel->setGeometry(10, 20, 100, 40);
        label->setObjectName(QStringLiteral("Lone"));
        label->setGeometry(5, 5, 50, 20);
        QFont font = label->font();
        font.setPixelSize(10);
        label->setFont(font);
        list->setObjectName(QStringLiteral("LBone"));
        list->setGeometry(120, 0, 80, 60);
        combo->setObjectName(QStringLiteral("CBone"));
        check->setObjectName(QStringLiteral("CBtwo"));
        bar->setGeometry(0, 80, 200, 20);
    }
};
} // namespace

TEST(ResizeKit, ScalesGeometryAndFontsFromTheDesignSize)
{
    SmallWindow w;
    auto *kit = new ResizeKit(&w.window, QSize(200, 100));
    w.window.show();
    w.window.resize(400, 200);
    UserInput::settle();
    EXPECT_EQ(w.panel->geometry(), QRect(20, 40, 200, 80));
    EXPECT_EQ(w.label->geometry(), QRect(10, 10, 100, 40));
    EXPECT_EQ(w.label->font().pixelSize(), 20);

    ResizeKit::setDesignGeometry(w.panel, QRect(10, 30, 100, 50));
    EXPECT_EQ(w.panel->geometry(), QRect(20, 60, 200, 100));
    EXPECT_EQ(ResizeKit::designGeometry(w.panel), QRect(10, 30, 100, 50));

    w.window.resize(200, 100);
    UserInput::settle();
    EXPECT_EQ(w.panel->geometry(), QRect(10, 30, 100, 50));
    EXPECT_EQ(w.label->font().pixelSize(), 10);
    EXPECT_DOUBLE_EQ(kit->scaleX(), 1.0);
}

TEST(StatusHints, ShowTheHintOfTheControlOrOfTheNearestEnclosingOne)
{
    SmallWindow w;
    w.panel->setStatusTip(QStringLiteral("パネルのヒント"));
    w.list->setStatusTip(QStringLiteral("一覧のヒント"));
    InstallStatusHints(&w.window, w.bar);
    showActive(&w.window);

    UserInput::hover(w.list);
    EXPECT_EQ(w.bar->currentMessage(), QStringLiteral("一覧のヒント"));
    UserInput::hover(w.label); // no hint of its own
    EXPECT_EQ(w.bar->currentMessage(), QStringLiteral("パネルのヒント"));
    UserInput::hover(w.check);
    EXPECT_EQ(w.bar->currentMessage(), QString());

    // from a control onto the bare area of its panel: Qt enters nothing, the leave decides
    w.label->setStatusTip(QStringLiteral("見出しのヒント"));
    UserInput::hover(w.label);
    EXPECT_EQ(w.bar->currentMessage(), QStringLiteral("見出しのヒント"));
    UserInput::hover(w.panel, QPoint(80, 35));
    EXPECT_EQ(w.bar->currentMessage(), QStringLiteral("パネルのヒント"));
}

TEST(WidgetDump, DescribesEveryNamedControlByKind)
{
    SmallWindow w;
    w.list->addItems({QStringLiteral("a"), QStringLiteral("b")});
    w.list->setCurrentRow(1);
    w.combo->addItems({QStringLiteral("x"), QStringLiteral("y")});
    w.check->setChecked(true);
    w.label->hide();
    const QJsonObject dump = DumpControls(&w.window);
    EXPECT_EQ(dump.size(), 5);
    EXPECT_EQ(dump[QStringLiteral("Lone")][QStringLiteral("text")].toString(), QStringLiteral("見出し"));
    EXPECT_TRUE(dump[QStringLiteral("Lone")][QStringLiteral("hidden")].toBool());
    EXPECT_EQ(dump[QStringLiteral("LBone")][QStringLiteral("items")].toArray().size(), 2);
    EXPECT_EQ(dump[QStringLiteral("LBone")][QStringLiteral("index")].toInt(), 1);
    EXPECT_EQ(dump[QStringLiteral("CBone")][QStringLiteral("text")].toString(), QStringLiteral("x"));
    EXPECT_EQ(dump[QStringLiteral("CBone")][QStringLiteral("index")].toInt(), 0);
    EXPECT_TRUE(dump[QStringLiteral("CBtwo")][QStringLiteral("checked")].toBool());
    EXPECT_EQ(dump[QStringLiteral("Pone")][QStringLiteral("top")].toInt(), 20);
    EXPECT_EQ(dump[QStringLiteral("Pone")][QStringLiteral("height")].toInt(), 40);
    EXPECT_TRUE(dump[QStringLiteral("Pone")][QStringLiteral("enabled")].toBool());
}
