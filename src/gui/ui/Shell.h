#pragma once

#include <QUrl>
#include <functional>

/// Hands a document or a web page to the desktop (its default viewer or browser). The result is
/// not reported: a missing file or browser gives no message of ours.
void OpenWithDesktop(const QUrl &url);

/// Replaces the desktop hand-over (tests and the console record the URLs instead); pass an empty
/// function to restore it.
void SetDesktopOpener(std::function<void(const QUrl &)> opener);
