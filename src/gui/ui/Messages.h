#pragma once

#include <QString>
#include <QStringList>

/// The one message box of the program: modal, one OK button, titled with the program file's name
/// (without extension). While a MessageRecorder lives the texts are recorded instead of shown.
void ShowMessage(const QString &text);

/// The standard error box (stop icon, OK) for errors that escape a handler.
void ShowErrorMessage(const QString &text);

/// The title every message box carries: "taxel" for the program file "taxel".
QString MessageTitle();

/// Records the messages shown while it lives (innermost recorder wins). Used by the console's
/// window drivers and by the tests, where nobody could press OK.
class MessageRecorder
{
public:
    MessageRecorder();
    ~MessageRecorder();
    MessageRecorder(const MessageRecorder &) = delete;
    MessageRecorder &operator=(const MessageRecorder &) = delete;

    const QStringList &messages() const { return m_messages; }
    void clear() { m_messages.clear(); }

private:
    friend void ShowMessage(const QString &);
    friend void ShowErrorMessage(const QString &);
    QStringList m_messages;
    MessageRecorder *m_outer;
};
