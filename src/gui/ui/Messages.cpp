#include "Messages.h"

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>

namespace {
MessageRecorder *g_recorder = nullptr;

void showBox(QMessageBox::Icon icon, const QString &text)
{
    QMessageBox box(icon, MessageTitle(), text, QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}
} // namespace

MessageRecorder::MessageRecorder()
    : m_outer(g_recorder)
{
    g_recorder = this;
}

MessageRecorder::~MessageRecorder()
{
    g_recorder = m_outer;
}

QString MessageTitle()
{
    const QString file = QCoreApplication::applicationFilePath();
    const QString name = QFileInfo(file).completeBaseName();
    return name.isEmpty() ? QStringLiteral("taxel") : name;
}

void ShowMessage(const QString &text)
{
    if (g_recorder) {
        g_recorder->m_messages.append(text);
        return;
    }
    showBox(QMessageBox::NoIcon, text);
}

void ShowErrorMessage(const QString &text)
{
    if (g_recorder) {
        g_recorder->m_messages.append(text);
        return;
    }
    showBox(QMessageBox::Critical, text);
}
