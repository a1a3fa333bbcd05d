#pragma once

#include "datafiles/MessageSink.h"

#include <QString>
#include <QStringList>

/// The one message box of the program: modal, one OK button, titled with the program file's name
/// (without extension).
void ShowMessage(const QString &text);

/// The standard error box (stop icon, OK) for errors that escape a handler.
void ShowErrorMessage(const QString &text);

/// The title every message box carries: "taxel" for the program file "taxel".
QString MessageTitle();

/// Records the messages handed to its sink instead of showing them: the console's window drivers
/// and the tests give windows this sink, where nobody could press OK.
class MessageRecorder
{
public:
    MessageRecorder() = default;
    MessageRecorder(const MessageRecorder &) = delete;
    MessageRecorder &operator=(const MessageRecorder &) = delete;

    /// A sink that appends to this recorder; it must not outlive it.
    MessageSink sink()
    {
        return [this](const QString &text) { m_messages.append(text); };
    }
    const QStringList &messages() const { return m_messages; }
    void clear() { m_messages.clear(); }

private:
    QStringList m_messages;
};
