#pragma once

#include <QApplication>
#include <functional>

/// Runs one event delivery; an error it throws is shown in the standard error message box (an
/// error without a text as an empty box) and the delivery counts as not handled.
bool RunGuarded(const std::function<bool()> &deliver);

/// The application object: an error that escapes an event handler is shown in the standard error
/// message box and the program goes on.
class TaxelApplication final : public QApplication
{
public:
    TaxelApplication(int &argc, char **argv);
    bool notify(QObject *receiver, QEvent *event) override;
};
