#pragma once

#include <QPoint>
#include <Qt>

class QComboBox;
class QDialog;
class QListWidget;
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
/// Moves the pointer onto \a control, to its middle or to \a at (in its coordinates): the controls
/// it leaves and enters learn it, and the pointer's position is where the program asks for it.
void hover(QWidget *control, QPoint at = QPoint());
/// Opens the drop-down list of \a box with a click on its arrow and clicks item \a index.
void chooseItem(QComboBox *box, int index);
/// Types \a text, character by character, into the focused control. Keys wait for a window of the
/// program to be active; when none becomes active, they throw std::runtime_error.
void typeText(const QString &text);
/// Clicks into the edit box (or the edit part of a drop-down list) \a box unless it has the focus,
/// and types \a text over what it holds (all of it selected and deleted first).
void typeOver(QWidget *box, const QString &text);
/// Presses and releases \a key on the focused control (a key the focused control leaves alone
/// travels on to its window, as on a desktop).
void pressKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
/// The control that has the keyboard focus, or null.
QWidget *focused();
/// Lets the events that a user's action posted (focus changes, layout, painting) happen, until the
/// program is idle.
void settle();

/// Shows \a window the way the main menu shows a study window (centred, modal) and lets the
/// window system activate it; the main menu itself then waits until the window is closed.
void openStudyWindow(QDialog *window);

} // namespace UserInput
