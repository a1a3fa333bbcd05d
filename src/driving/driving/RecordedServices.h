#pragma once

#include "ui/Messages.h"
#include "ui/WindowServices.h"

#include <QList>
#include <QUrl>

/// The services the console's window drivers, the window tests and the benchmarks give windows: the
/// data tree of the run and the data read from it, a random generator, the messages recorded
/// instead of shown, the documents and web pages recorded instead of handed to the desktop, and no
/// desktop folder (a test may set one).
class RecordedServices
{
public:
    /// \a readAnalysis: the schedules, sections and tables are read (the practice and the analysis
    /// window need them).
    explicit RecordedServices(const DataTree &tree, bool readAnalysis = false);
    RecordedServices(const RecordedServices &) = delete;
    RecordedServices &operator=(const RecordedServices &) = delete;

    const WindowServices &services() const { return m_services; }
    WindowServices &services() { return m_services; }
    MessageRecorder &messages() { return m_messages; }
    /// The URLs handed over, in order.
    const QList<QUrl> &opened() const { return m_opened; }

private:
    MessageRecorder m_messages;
    QList<QUrl> m_opened;
    WindowServices m_services;
};
