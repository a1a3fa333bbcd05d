#pragma once

// What the tests of the windows share: finding a window's controls, reading what they show, and the
// few steps a user takes in several tests, done with real input events (UserInput).

#include "TestSupport.h"
#include "driving/RecordedServices.h"
#include "driving/UserInput.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

/// The control \a name of \a window; a missing one fails the test.
template <typename T = QWidget> T *child(const QWidget *window, const char *name)
{
    T *found = window->findChild<T *>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

/// The text that label or plain-text box \a name of \a window shows.
inline QString shownText(const QWidget *window, const char *name)
{
    if (auto *box = window->findChild<QPlainTextEdit *>(QString::fromLatin1(name)))
        return box->toPlainText();
    return child<QLabel>(window, name)->text();
}

/// False while control \a name of \a window is hidden.
inline bool shown(const QWidget *window, const char *name)
{
    return !child(window, name)->isHidden();
}

/// Shows \a window and lets the window system make it the active window.
inline void showActive(QWidget *window)
{
    window->show();
    window->activateWindow();
    (void)QTest::qWaitForWindowActive(window, 2000);
    UserInput::settle();
}

/// Another window of the program (a message box over \a window) takes the activation, and \a window
/// gets it back when that one closes.
inline void activateAgain(QWidget *window)
{
    QWidget other(window, Qt::Window);
    showActive(&other);
    other.close();
    showActive(window);
}
