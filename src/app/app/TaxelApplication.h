#pragma once

#include "datafiles/MessageSink.h"

#include <QApplication>
#include <QList>
#include <functional>

class QFont;
class QRawFont;
class QTimer;

/// Runs one event delivery; the text of an error it throws goes to \a show (an error without a
/// text as an empty text) and the delivery counts as not handled.
bool RunGuarded(const std::function<bool()> &deliver, const MessageSink &show);

/// The application object: an error that escapes an event handler is shown in the standard error
/// message box (or given to the sink set in its place) and the program goes on. Shortly after a
/// window is closed, the memory freed with it is handed back to the system.
class TaxelApplication final : public QApplication
{
public:
    TaxelApplication(int &argc, char **argv);
    ~TaxelApplication() override;
    bool notify(QObject *receiver, QEvent *event) override;
    /// Where an escaped error goes from now on; an empty sink restores the message box.
    void setErrorSink(MessageSink show);
    /// Keeps the files of \a fonts loaded until the program ends, whatever the windows give back.
    void holdFonts(const QList<QFont> &fonts);

private:
    MessageSink m_showError;
    QTimer *m_releaseFreed;
    QList<QRawFont> m_heldFonts;
};
