#include "Shell.h"

#include <QDesktopServices>

namespace {
std::function<void(const QUrl &)> &opener()
{
    static std::function<void(const QUrl &)> instance;
    return instance;
}
} // namespace

void OpenWithDesktop(const QUrl &url)
{
    if (opener())
        opener()(url);
    else
        QDesktopServices::openUrl(url);
}

void SetDesktopOpener(std::function<void(const QUrl &)> replacement)
{
    opener() = std::move(replacement);
}
