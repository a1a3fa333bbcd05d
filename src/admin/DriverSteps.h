#pragma once

#include <QString>

class QWidget;

/// What a user can do to a named control of a window, for the window drivers. Each returns false
/// with \a error set when the user could not do it (no such control, hidden, disabled, no such line).
namespace DriverSteps {
bool click(QWidget *window, const QString &name, QString *error);
/// Picks line \a index of a list box or drop-down list, as a user's click would.
bool pick(QWidget *window, const QString &name, int index, QString *error);
/// Gives an edit box the focus (if it lacks it), types \a text into it and presses Enter.
bool type(QWidget *window, const QString &name, const QString &text, QString *error);
} // namespace DriverSteps
