#include "WindowServices.h"

#include "Messages.h"
#include "analysis/AnalysisData.h"
#include "datafiles/ProgramRandom.h"

#include <QDesktopServices>
#include <QStandardPaths>

WindowServices ProgramServices(const DataTree &tree)
{
    WindowServices services;
    services.tree = tree;
    services.analysis = std::make_shared<AnalysisData>(AnalysisData::load(tree));
    services.random = std::make_shared<ProgramRandom>();
    services.show = &ShowMessage;
    services.openUrl = [](const QUrl &url) { QDesktopServices::openUrl(url); };
    services.desktopFolder = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    return services;
}
