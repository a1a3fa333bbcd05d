#include "LinkLabel.h"

#include <QMouseEvent>

LinkLabel::LinkLabel(QWidget *parent)
    : QLabel(parent)
{
    setCursor(Qt::PointingHandCursor);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

void LinkLabel::enterEvent(QEnterEvent *event)
{
    emit entered();
    QLabel::enterEvent(event);
}
