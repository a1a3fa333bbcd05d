#pragma once

#include <Qt>

class QComboBox;
class QDialog;
class QListWidget;
class QPoint;
class QString;
class QWidget;

/// What a user does with the mouse and the keyboard, sent as real input events (Qt Test) so that
/// focus, key propagation to the window, drop-down lists and list selection behave as on a desktop.
/// The console's window drivers and the window tests drive every window through these alone.
namespace UserInput {

/// Left click at the click point of \a control (a button, a check box, a link label, an edit box).
void click(QWidget *control);
/// Where a user clicks \a control: the middle, or for a check box or radio button the middle of the
/// part that reacts to a click (its box and caption; the empty right end of a wide one does not).
QPoint clickPoint(QWidget *control);
/// Scrolls line \a row of \a list into view and clicks it.
void clickLine(QListWidget *list, int row);
/// Scrolls line \a row of \a list into view and tells where it is now (in the list's coordinates).
QPoint linePoint(QListWidget *list, int row);
/// Opens the drop-down list of \a box with a click on its arrow and clicks item \a index.
void chooseItem(QComboBox *box, int index);
/// Types \a text, character by character, into the focused control.
void typeText(const QString &text);
/// Presses and releases \a key on the focused control (a key the focused control leaves alone
/// travels on to its window, as on a desktop).
void pressKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
/// The control that has the keyboard focus, or null.
QWidget *focused();
/// Lets the events that a user's action posted (focus changes, layout, painting) happen.
void settle();

/// Shows \a window the way the main menu shows a study window (centred, modal) and lets the
/// window system activate it; the main menu itself then waits until the window is closed.
void openStudyWindow(QDialog *window);

} // namespace UserInput
