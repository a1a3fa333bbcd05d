#include "StudyWindow.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

void PlaceStudyWindow(QWidget *window)
{
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect frame = window->frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        window->move(frame.topLeft());
    }
}
