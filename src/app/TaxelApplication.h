#pragma once

#include <QApplication>

/// The application object: an error that escapes an event handler is shown in the standard error
/// message box and the program goes on.
class TaxelApplication final : public QApplication
{
public:
    TaxelApplication(int &argc, char **argv);
    bool notify(QObject *receiver, QEvent *event) override;
};
