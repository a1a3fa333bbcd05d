// The "analyze" window driver: the class-number analysis window, driven as a user would.

#include "AdminCommand.h"
#include "WindowDriver.h"

#include "app/Messages.h"
#include "ui/U_saimoku.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QJsonArray>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>

namespace {

void clickAt(QWidget *widget, const QPoint &pos)
{
    const QPointF local(pos);
    const QPointF global(widget->mapToGlobal(pos));
    QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QApplication::sendEvent(widget, &release);
}

template <typename T> T *control(QWidget *window, const char *name)
{
    return window->findChild<T *>(QString::fromLatin1(name));
}

bool performStep(TSaimokuDialog *window, const DriverStep &step, QString *error)
{
    const QString &verb = step.verb;
    int n = -1;
    if (verb == QLatin1String("enter") && step.hasArgument) {
        auto *edit = control<QLineEdit>(window, "Esaimoku");
        edit->setFocus();
        edit->setText(step.argument);
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
        QApplication::sendEvent(edit, &press);
        QApplication::sendEvent(edit, &release);
        return true;
    }
    if (verb == QLatin1String("pick") && step.number(&n)) {
        auto *list = control<QListWidget>(window, "LBhitdata");
        if (n < 0 || n >= list->count()) {
            *error = QStringLiteral("the hit list has %1 lines").arg(list->count());
            return false;
        }
        list->setFocus();
        list->scrollToItem(list->item(n));
        clickAt(list->viewport(), list->visualItemRect(list->item(n)).center());
        return true;
    }
    if (verb == QLatin1String("reanalyze") && !step.hasArgument) {
        control<QPushButton>(window, "Bkaiseki")->click();
        return true;
    }
    if (verb == QLatin1String("sanzi") && step.number(&n)) {
        auto *box = control<QComboBox>(window, "CBsanzi");
        if (n < 0 || n >= box->count()) {
            *error = QStringLiteral("CBsanzi has %1 entries").arg(box->count());
            return false;
        }
        box->setCurrentIndex(n);
        emit box->activated(n);
        return true;
    }
    if ((verb == QLatin1String("tick") || verb == QLatin1String("untick")) && step.hasArgument) {
        QCheckBox *box = nullptr;
        for (QCheckBox *candidate : window->kindBoxes())
            if (candidate->objectName() == step.argument)
                box = candidate;
        if (!box) {
            *error = QStringLiteral("no check box %1").arg(step.argument);
            return false;
        }
        if (box->isChecked() != (verb == QLatin1String("tick")))
            box->click();
        return true;
    }
    if ((verb == QLatin1String("reset") || verb == QLatin1String("closenotes")) && !step.hasArgument) {
        auto *link = control<QLabel>(window, verb == QLatin1String("reset") ? "Lsaiken" : "LcloseZizyou");
        if (!link->isVisible()) {
            *error = QStringLiteral("%1 is not visible").arg(link->objectName());
            return false;
        }
        clickAt(link, link->rect().center());
        return true;
    }
    *error = QStringLiteral("unknown step");
    return false;
}

QJsonObject windowState(const TSaimokuDialog *window)
{
    QJsonArray rowKinds;
    for (int kind : window->rowKinds())
        rowKinds.append(kind);
    QJsonObject state;
    state.insert(QStringLiteral("division"), window->division());
    state.insert(QStringLiteral("formCount"), window->formCount());
    state.insert(QStringLiteral("geoCount"), window->geoCount());
    state.insert(QStringLiteral("rowKinds"), rowKinds);
    return state;
}

int RunAnalyze(AdminContext &ctx, const QStringList &args)
{
    QStringList startMessages;
    std::unique_ptr<TSaimokuDialog> window;
    {
        MessageRecorder recorder; // the tables are read while the window is made
        window = std::make_unique<TSaimokuDialog>();
        startMessages = recorder.messages();
    }
    for (const QString &message : startMessages)
        ctx.err << message << Qt::endl;
    TSaimokuDialog *w = window.get();
    return RunWindowDriver(
        ctx, w, args, [w](const DriverStep &step, QString *error) { return performStep(w, step, error); },
        [w] { return windowState(w); });
}

const bool registered = RegisterAdminCommand({"analyze",
    "STEP...  (enter:TEXT pick:N reanalyze sanzi:N tick:BOX untick:BOX reset closenotes close open)", &RunAnalyze});

} // namespace
