#include "Messages.h"

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>

namespace {
void showBox(QMessageBox::Icon icon, const QString &text)
{
    QMessageBox box(icon, MessageTitle(), text, QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}
} // namespace

QString MessageTitle()
{
    const QString file = QCoreApplication::applicationFilePath();
    const QString name = QFileInfo(file).completeBaseName();
    return name.isEmpty() ? QStringLiteral("taxel") : name;
}

void ShowMessage(const QString &text)
{
    showBox(QMessageBox::NoIcon, text);
}

void ShowErrorMessage(const QString &text)
{
    showBox(QMessageBox::Critical, text);
}
