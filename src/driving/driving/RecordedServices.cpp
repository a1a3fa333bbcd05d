#include "RecordedServices.h"

#include "analysis/AnalysisData.h"
#include "datafiles/ProgramRandom.h"

RecordedServices::RecordedServices(const DataTree &tree, bool readAnalysis)
{
    m_services.tree = tree;
    if (readAnalysis)
        m_services.analysis = std::make_shared<AnalysisData>(AnalysisData::load(tree));
    m_services.random = std::make_shared<ProgramRandom>();
    m_services.show = m_messages.sink();
    m_services.openUrl = [this](const QUrl &url) { m_opened.append(url); };
}
