#include "DriverSteps.h"

#include "WindowDriver.h"
#include "ui/LinkLabel.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>

namespace {
QWidget *usable(QWidget *window, const QString &name, QString *error)
{
    QWidget *control = window->findChild<QWidget *>(name);
    if (!control) {
        *error = QStringLiteral("no control %1").arg(name);
        return nullptr;
    }
    if (!control->isVisibleTo(window) || !control->isEnabled()) {
        *error = QStringLiteral("%1 cannot be used now (hidden or disabled)").arg(name);
        return nullptr;
    }
    return control;
}
} // namespace

namespace DriverSteps {

bool click(QWidget *window, const QString &name, QString *error)
{
    QWidget *control = usable(window, name, error);
    if (!control)
        return false;
    if (auto *button = qobject_cast<QAbstractButton *>(control)) {
        // a user's click gives a button that takes focus on clicks the focus first
        if (button->focusPolicy() & Qt::ClickFocus) {
            button->setFocus(Qt::MouseFocusReason);
            SettleEvents();
        }
        button->click();
        return true;
    }
    if (auto *link = qobject_cast<LinkLabel *>(control)) {
        emit link->clicked();
        return true;
    }
    *error = QStringLiteral("%1 cannot be clicked").arg(name);
    return false;
}

bool pick(QWidget *window, const QString &name, int index, QString *error)
{
    QWidget *control = usable(window, name, error);
    if (!control)
        return false;
    if (auto *combo = qobject_cast<QComboBox *>(control)) {
        if (index < 0 || index >= combo->count()) {
            *error = QStringLiteral("%1 has no line %2").arg(name).arg(index);
            return false;
        }
        combo->setCurrentIndex(index);
        emit combo->activated(index);
        return true;
    }
    if (auto *list = qobject_cast<QListWidget *>(control)) {
        if (index < 0 || index >= list->count()) {
            *error = QStringLiteral("%1 has no line %2").arg(name).arg(index);
            return false;
        }
        list->setFocus(Qt::MouseFocusReason);
        SettleEvents();
        {
            const QSignalBlocker quiet(list); // the click below is the one event of a mouse click
            list->setCurrentRow(index);
        }
        list->viewport()->update();
        emit list->itemClicked(list->item(index));
        return true;
    }
    *error = QStringLiteral("%1 has no lines").arg(name);
    return false;
}

bool type(QWidget *window, const QString &name, const QString &text, QString *error)
{
    auto *edit = qobject_cast<QLineEdit *>(usable(window, name, error));
    if (!edit) {
        if (error->isEmpty())
            *error = QStringLiteral("%1 is not an edit box").arg(name);
        return false;
    }
    if (!edit->hasFocus()) {
        edit->setFocus(Qt::MouseFocusReason);
        SettleEvents();
    }
    edit->insert(text);
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QApplication::sendEvent(edit, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QApplication::sendEvent(edit, &release);
    return true;
}

} // namespace DriverSteps
