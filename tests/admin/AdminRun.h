#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

/// What one run of the console printed and returned.
struct AdminResult
{
    int status = -1;
    QString out;
    QString err;
};

/// Runs taxel-admin with \a args (and --root \a root when given), offscreen.
inline AdminResult RunAdmin(const QStringList &args, const QString &root = QString())
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(env);
    QStringList all;
    if (!root.isEmpty())
        all << QStringLiteral("--root") << root;
    all << args;
    process.start(QStringLiteral(TAXEL_ADMIN_EXE), all);
    process.waitForFinished(120000);
    AdminResult result;
    result.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}
