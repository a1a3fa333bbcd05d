#include "WidgetDump.h"

#include "ResizeKit.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QJsonArray>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTextEdit>

namespace {

QJsonArray itemsOf(const QListWidget *list)
{
    QJsonArray items;
    for (int i = 0; i < list->count(); ++i)
        items.append(list->item(i)->text());
    return items;
}

QJsonArray itemsOf(const QComboBox *box)
{
    QJsonArray items;
    for (int i = 0; i < box->count(); ++i)
        items.append(box->itemText(i));
    return items;
}

QJsonObject dumpOne(const QWidget *widget)
{
    QJsonObject control;
    control.insert(QStringLiteral("hidden"), widget->isHidden());
    control.insert(QStringLiteral("enabled"), widget->isEnabled());
    if (auto *label = qobject_cast<const QLabel *>(widget)) {
        control.insert(QStringLiteral("text"), label->text());
    } else if (auto *edit = qobject_cast<const QLineEdit *>(widget)) {
        control.insert(QStringLiteral("text"), edit->text());
    } else if (auto *plain = qobject_cast<const QPlainTextEdit *>(widget)) {
        control.insert(QStringLiteral("text"), plain->toPlainText());
    } else if (auto *rich = qobject_cast<const QTextEdit *>(widget)) {
        control.insert(QStringLiteral("text"), rich->toPlainText());
    } else if (auto *button = qobject_cast<const QAbstractButton *>(widget)) {
        control.insert(QStringLiteral("text"), button->text());
        if (qobject_cast<const QCheckBox *>(widget) || qobject_cast<const QRadioButton *>(widget))
            control.insert(QStringLiteral("checked"), button->isChecked());
    } else if (auto *combo = qobject_cast<const QComboBox *>(widget)) {
        control.insert(QStringLiteral("text"), combo->currentText());
        control.insert(QStringLiteral("items"), itemsOf(combo));
        control.insert(QStringLiteral("index"), combo->currentIndex());
    } else if (auto *list = qobject_cast<const QListWidget *>(widget)) {
        control.insert(QStringLiteral("items"), itemsOf(list));
        control.insert(QStringLiteral("index"), list->currentRow());
    }
    const QString name = widget->objectName();
    if (name.startsWith(QLatin1Char('P'))) {
        const QRect design = ResizeKit::designGeometry(widget);
        control.insert(QStringLiteral("top"), design.y());
        control.insert(QStringLiteral("height"), design.height());
    }
    return control;
}

} // namespace

QJsonObject DumpControls(const QWidget *window)
{
    QJsonObject controls;
    const auto children = window->findChildren<QWidget *>();
    for (const QWidget *child : children) {
        const QString name = child->objectName();
        if (name.isEmpty() || name.startsWith(QLatin1String("qt_")) || child->window() != window)
            continue;
        controls.insert(name, dumpOne(child));
    }
    return controls;
}
