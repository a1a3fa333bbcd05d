#include "StatusHints.h"

#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QPointer>
#include <QStatusBar>
#include <QWidget>

namespace {

class StatusHintFilter final : public QObject
{
public:
    StatusHintFilter(QWidget *window, QStatusBar *bar)
        : QObject(window)
        , m_window(window)
        , m_bar(bar)
    { }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::StatusTip: return true; // the hints are ours to show
        case QEvent::Enter:
            if (auto *widget = qobject_cast<QWidget *>(watched))
                show(hintFor(widget));
            break;
        case QEvent::Leave:
            // moving from a control onto the bare area of its panel enters nothing: the hint of
            // whatever now lies under the pointer is shown
            if (watched == m_window)
                show(QString());
            else if (QWidget *under = QApplication::widgetAt(QCursor::pos()); under && under->window() == m_window)
                show(hintFor(under));
            break;
        case QEvent::ChildAdded:
            if (auto *added = static_cast<QChildEvent *>(event)->child(); added && added->isWidgetType())
                watch(static_cast<QWidget *>(added));
            break;
        default: break;
        }
        return false;
    }

    void watch(QWidget *widget)
    {
        widget->installEventFilter(this);
        const auto children = widget->findChildren<QWidget *>();
        for (QWidget *child : children)
            child->installEventFilter(this);
    }

private:
    QString hintFor(const QWidget *widget) const
    {
        for (const QWidget *w = widget; w; w = w->parentWidget()) {
            if (!w->statusTip().isEmpty())
                return w->statusTip();
            if (w == m_window)
                break;
        }
        return QString();
    }

    void show(const QString &hint)
    {
        if (m_bar && m_bar->currentMessage() != hint)
            m_bar->showMessage(hint);
    }

    QWidget *m_window;
    QPointer<QStatusBar> m_bar;
};

} // namespace

void InstallStatusHints(QWidget *window, QStatusBar *bar)
{
    auto *filter = new StatusHintFilter(window, bar);
    filter->watch(window);
}
