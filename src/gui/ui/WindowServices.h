#pragma once

#include "datafiles/DataRoot.h"
#include "datafiles/MessageSink.h"

#include <QString>
#include <QUrl>

#include <functional>
#include <memory>

class AnalysisData;
class ProgramRandom;

/// What the application object hands each window: the data tree, the data read from it once, the
/// run's random generator, and how the window shows a message and hands a document or a web page
/// to the desktop. The program shows message boxes and calls the desktop; the console and the
/// tests record instead.
struct WindowServices
{
    DataTree tree;
    /// the schedules, sections and tables, read once for the practice and the analysis window
    std::shared_ptr<AnalysisData> analysis;
    std::shared_ptr<ProgramRandom> random;
    MessageSink show;
    std::function<void(const QUrl &)> openUrl;
    /// where the main window puts the program's desktop entry; empty for none
    QString desktopFolder;
};

/// The services of the program itself: message boxes, the desktop's viewer and browser, the user's
/// desktop folder, and the data of \a tree read now (what could not be read is in its errors).
WindowServices ProgramServices(const DataTree &tree);
