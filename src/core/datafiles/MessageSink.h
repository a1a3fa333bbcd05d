#pragma once

#include <QString>
#include <functional>

/// How a core routine shows a message to the user without knowing about windows:
/// the window passes its message function, the console and the tests pass a recorder.
using MessageSink = std::function<void(const QString &text)>;
