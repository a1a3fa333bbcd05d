#include "DriverSteps.h"

#include "driving/UserInput.h"

#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>

namespace {

/// True when the point \a at of \a control shows the control itself, not another one above it.
bool reachable(QWidget *window, QWidget *control, QPoint at, const QString &name, QString *error)
{
    QWidget *under = window->childAt(control->mapTo(window, at));
    if (!under || under == control || control->isAncestorOf(under))
        return true;
    *error = QStringLiteral("%1 cannot be used now (under %2)").arg(name, under->objectName());
    return false;
}

/// The control a user can see: shown in an open window and enabled.
QWidget *usable(QWidget *window, const QString &name, QString *error)
{
    QWidget *control = window->findChild<QWidget *>(name);
    if (!control) {
        *error = QStringLiteral("no control %1").arg(name);
        return nullptr;
    }
    if (!window->isVisible()) {
        *error = QStringLiteral("the window is closed");
        return nullptr;
    }
    if (!control->isVisibleTo(window) || !control->isEnabled()) {
        *error = QStringLiteral("%1 cannot be used now (hidden or disabled)").arg(name);
        return nullptr;
    }
    return control;
}

bool lineInRange(int index, int count, const QString &name, QString *error)
{
    if (index >= 0 && index < count)
        return true;
    *error = QStringLiteral("%1 has no line %2").arg(name).arg(index);
    return false;
}

} // namespace

namespace DriverSteps {

bool click(QWidget *window, const QString &name, QString *error)
{
    QWidget *control = usable(window, name, error);
    if (!control || !reachable(window, control, UserInput::clickPoint(control), name, error))
        return false;
    UserInput::click(control);
    return true;
}

bool pick(QWidget *window, const QString &name, int index, QString *error)
{
    QWidget *control = usable(window, name, error);
    if (!control)
        return false;
    if (auto *combo = qobject_cast<QComboBox *>(control)) {
        if (!lineInRange(index, combo->count(), name, error)
            || !reachable(window, combo, UserInput::clickPoint(combo), name, error))
            return false;
        UserInput::chooseItem(combo, index);
        return true;
    }
    if (auto *list = qobject_cast<QListWidget *>(control)) {
        if (!lineInRange(index, list->count(), name, error)
            || !reachable(window, list, UserInput::linePoint(list, index), name, error))
            return false;
        UserInput::clickLine(list, index);
        return true;
    }
    *error = QStringLiteral("%1 has no lines").arg(name);
    return false;
}

bool type(QWidget *window, const QString &name, const QString &text, Typing typing, QString *error)
{
    QWidget *control = usable(window, name, error);
    if (!control)
        return false;
    auto *combo = qobject_cast<QComboBox *>(control);
    QLineEdit *edit = combo ? combo->lineEdit() : qobject_cast<QLineEdit *>(control);
    if (!edit) {
        *error = QStringLiteral("%1 is not an edit box").arg(name);
        return false;
    }
    if (!edit->hasFocus() && !reachable(window, edit, UserInput::clickPoint(edit), name, error))
        return false;
    if (typing == Typing::Replacing) {
        UserInput::typeOver(edit, text);
    } else {
        if (!edit->hasFocus())
            UserInput::click(edit);
        UserInput::typeText(text);
    }
    UserInput::pressKey(Qt::Key_Return);
    return true;
}

bool closeWindow(QWidget *window, QString *error)
{
    return click(window, QStringLiteral("Bclose"), error);
}

bool openWindow(QWidget *window, QString *error)
{
    auto *dialog = qobject_cast<QDialog *>(window);
    if (!dialog || window->isVisible()) {
        *error = QStringLiteral("the window is open already");
        return false;
    }
    UserInput::openStudyWindow(dialog);
    return true;
}

} // namespace DriverSteps
