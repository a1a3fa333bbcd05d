#include "WindowDriver.h"

#include "DriverSteps.h"
#include "driving/UserInput.h"
#include "ui/WidgetDump.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QPixmap>
#include <QWidget>

bool DriverStep::number(int *value) const
{
    bool ok = false;
    const int n = argument.toInt(&ok);
    if (ok)
        *value = n;
    return ok;
}

int RunWindowDriver(AdminContext &ctx, QDialog *window, RecordedServices &services, const QStringList &steps,
    const DriverStepFn &perform, const DriverStateFn &state)
{
    const MessageRecorder &recorder = services.messages();
    // TAXEL_SCREENSHOT=FILE.png keeps a picture of the window as the steps left it; the text
    // cursor does not blink then, so that the same steps give the same picture
    const QString picture = qEnvironmentVariable("TAXEL_SCREENSHOT");
    if (!picture.isEmpty())
        QApplication::setCursorFlashTime(0);
    UserInput::openStudyWindow(window);
    for (const QString &text : steps) {
        DriverStep step;
        const qsizetype colon = text.indexOf(QLatin1Char(':'));
        step.verb = colon < 0 ? text : text.left(colon);
        step.hasArgument = colon >= 0;
        step.argument = colon < 0 ? QString() : text.mid(colon + 1);
        QString error;
        bool done = true;
        if (step.verb == QLatin1String("close") && !step.hasArgument)
            done = DriverSteps::closeWindow(window, &error);
        else if (step.verb == QLatin1String("open") && !step.hasArgument)
            done = DriverSteps::openWindow(window, &error);
        else
            done = perform(step, &error);
        UserInput::settle();
        if (!done) {
            ctx.err << QStringLiteral("step %1: %2")
                           .arg(text, error.isEmpty() ? QStringLiteral("cannot be performed") : error)
                    << Qt::endl;
            return 1;
        }
    }
    if (!picture.isEmpty()) {
        QElapsedTimer timer; // documents are rendered in the background: give them a moment
        timer.start();
        while (timer.elapsed() < 1500)
            QApplication::processEvents(QEventLoop::AllEvents, 50);
        window->grab().save(picture);
    }

    QJsonObject result;
    result.insert(QStringLiteral("messages"), QJsonArray::fromStringList(recorder.messages()));
    result.insert(QStringLiteral("controls"), DumpControls(window));
    result.insert(QStringLiteral("state"), state());
    PrintJson(ctx, result);
    return 0;
}
