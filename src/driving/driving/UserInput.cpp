// Mouse events go through the window system layer, as a desktop's do: the window finds the control
// under the pointer, gives it the focus by its focus policy, and the pressed buttons are known while
// a list reacts to the press.
#define QTEST_QPA_MOUSE_HANDLING

#include "UserInput.h"

#include "ui/StudyWindow.h"

#include <QAbstractEventDispatcher>
#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCursor>
#include <QDialog>
#include <QListWidget>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <stdexcept>

namespace {

/// False when no window of the program is active: the keys go to another program then.
bool takesKeys()
{
    return QGuiApplication::focusWindow() || QApplication::focusWidget() || QApplication::activeWindow();
}

/// How long a window system may take to activate a window that was shown: long enough for a busy
/// machine; a window system that activates nothing costs this much once.
constexpr int kActivationMs = 10000;

/// Waits until a window of the program takes keys; a key typed when none does would go to another
/// program, so the user's action cannot be done and an error says so.
void waitForKeys()
{
    if (!takesKeys() && !QTest::qWaitFor(takesKeys, kActivationMs))
        throw std::runtime_error("no window of the program is active: the keys have nowhere to go");
}

/// The middle of the part of \a line that the view shows: a line wider than its list is clicked
/// where a user sees it, not at its middle beyond the list's edge.
QPoint visibleMiddle(const QAbstractItemView *view, const QRect &line)
{
    const QRect shown = line.intersected(view->viewport()->rect());
    return shown.isEmpty() ? line.center() : shown.center();
}
} // namespace

namespace UserInput {

void settle()
{
    // until nothing is left to do, as a user's next action comes once the program is idle; a
    // timer that fires at once and again would keep it busy, so the rounds are bounded
    QAbstractEventDispatcher *dispatcher = QAbstractEventDispatcher::instance();
    for (int round = 0; round < 100; ++round) {
        QCoreApplication::sendPostedEvents();
        if (!dispatcher->processEvents(QEventLoop::AllEvents))
            break;
    }
}

QWidget *focused()
{
    return QApplication::focusWidget();
}

QPoint clickPoint(QWidget *control)
{
    QStyle::SubElement clickArea;
    if (qobject_cast<QCheckBox *>(control))
        clickArea = QStyle::SE_CheckBoxClickRect;
    else if (qobject_cast<QRadioButton *>(control))
        clickArea = QStyle::SE_RadioButtonClickRect;
    else if (qobject_cast<QComboBox *>(control)) // its arrow, also where the text can be edited
        return QPoint(control->width() - 6, control->height() / 2);
    else
        return control->rect().center();
    auto *button = static_cast<QAbstractButton *>(control);
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    option.icon = button->icon();
    option.iconSize = button->iconSize();
    return control->style()->subElementRect(clickArea, &option, button).center();
}

void click(QWidget *control)
{
    QTest::mouseClick(control, Qt::LeftButton, Qt::NoModifier, clickPoint(control));
    settle();
}

QPoint linePoint(QListWidget *list, int row)
{
    QListWidgetItem *item = list->item(row);
    list->scrollToItem(item);
    settle();
    return list->viewport()->mapTo(list, visibleMiddle(list, list->visualItemRect(item)));
}

void clickLine(QListWidget *list, int row)
{
    const QPoint point = list->viewport()->mapFrom(list, linePoint(list, row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, point);
    settle();
}

void hover(QWidget *control, QPoint at)
{
    if (at.isNull())
        at = control->rect().center();
    // the pointer itself first: code that asks where it is while the controls enter finds it there
    QCursor::setPos(control->mapToGlobal(at));
    QTest::mouseMove(control, at);
    settle();
}

void chooseItem(QComboBox *box, int index)
{
    QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, clickPoint(box));
    settle();
    QAbstractItemView *view = box->view();
    const QModelIndex item = view->model()->index(index, box->modelColumn(), box->rootModelIndex());
    view->scrollTo(item);
    settle();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, visibleMiddle(view, view->visualRect(item)));
    settle();
}

void typeText(const QString &text)
{
    waitForKeys();
    // one key a character, each carrying its text (Qt Test's own typing knows only Latin-1)
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype length = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString character = text.mid(i, length);
        const char latin = length == 1 ? text.at(i).toLatin1() : 0;
        const Qt::Key key = latin >= 32 ? QTest::asciiToKey(latin) : Qt::Key_unknown;
        QTest::sendKeyEvent(QTest::Click, static_cast<QWidget *>(nullptr), key, character, Qt::NoModifier);
        i += length - 1;
    }
    settle();
}

void typeOver(QWidget *box, const QString &text)
{
    if (!box->hasFocus())
        click(box);
    pressKey(Qt::Key_A, Qt::ControlModifier);
    pressKey(Qt::Key_Backspace);
    typeText(text);
}

void pressKey(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    waitForKeys();
    QTest::keyClick(static_cast<QWidget *>(nullptr), key, modifiers);
    settle();
}

void openStudyWindow(QDialog *window)
{
    PlaceStudyWindow(window);
    window->setAttribute(Qt::WA_ShowModal, true);
    window->show();
    window->activateWindow();
    (void)QTest::qWaitForWindowActive(window, kActivationMs); // a window system may activate nothing
    settle();
}

} // namespace UserInput
