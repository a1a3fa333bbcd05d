#pragma once

#include <QLabel>

/// A label that acts as a link: hand cursor, emits clicked() on a left click and entered() when the
/// pointer comes onto it.
class LinkLabel final : public QLabel
{
    Q_OBJECT
public:
    explicit LinkLabel(QWidget *parent = nullptr);

signals:
    void clicked();
    void entered();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
};
