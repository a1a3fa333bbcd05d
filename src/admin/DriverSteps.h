#pragma once

#include <QString>

class QWidget;

/// What a user can do to a named control of a window, for the window drivers, done with real input
/// events. Each returns false with \a error set when the user could not do it: no such control, the
/// window closed, the control hidden, disabled or covered by another, no such line.
namespace DriverSteps {
bool click(QWidget *window, const QString &name, QString *error);
/// Picks line \a index of a list box, or item \a index of a drop-down list through its list.
bool pick(QWidget *window, const QString &name, int index, QString *error);

/// How typing meets the text an edit box already holds.
enum class Typing {
    AtCursor, ///< typed where the cursor is
    Replacing, ///< the box's text selected first, so that the typed text replaces it
};
/// Gives an edit box (or an editable drop-down list) the focus with a click if it lacks it, types
/// \a text and presses Enter.
bool type(QWidget *window, const QString &name, const QString &text, Typing typing, QString *error);

/// Closes the window with its close button, as a user does.
bool closeWindow(QWidget *window, QString *error);
/// Shows the closed window again, as the main menu's button does.
bool openWindow(QWidget *window, QString *error);
} // namespace DriverSteps
