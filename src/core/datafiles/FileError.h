#pragma once

#include <QString>
#include <stdexcept>

/// An error that ends the user action in progress: a file that exists but cannot be read,
/// a folder that cannot be written. The top-level handler shows its text and the program goes on.
class FileError : public std::runtime_error
{
public:
    explicit FileError(const QString &text)
        : std::runtime_error(text.toStdString())
        , m_text(text)
    { }
    QString text() const { return m_text; }

private:
    QString m_text;
};
