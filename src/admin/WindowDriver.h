#pragma once

#include "AdminCommand.h"
#include "driving/RecordedServices.h"

#include <QJsonObject>
#include <QString>
#include <functional>

class QDialog;

/// One step of a window driver: "verb" or "verb:argument".
struct DriverStep
{
    QString verb;
    QString argument;
    bool hasArgument = false;

    /// The argument read as a whole decimal number; false when it is not one.
    bool number(int *value) const;
};

/// Performs one step on the window; returns false with \a error set when it cannot be performed.
/// The generic steps "close" (the window's close button) and "open" (shown again as the main menu
/// shows it) are handled by the driver itself.
using DriverStepFn = std::function<bool(const DriverStep &step, QString *error)>;
using DriverStateFn = std::function<QJsonObject()>;

/// Shows \a window offscreen, performs \a steps in order as a user would and prints
/// {"messages": [...], "controls": {...}, "state": {...}}, the messages being those \a services
/// recorded meanwhile. Returns 0, or 1 after a message on the error stream when a step cannot be
/// performed.
int RunWindowDriver(AdminContext &ctx, QDialog *window, RecordedServices &services, const QStringList &steps,
    const DriverStepFn &perform, const DriverStateFn &state);
