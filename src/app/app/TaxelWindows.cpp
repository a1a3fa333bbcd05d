#include "TaxelWindows.h"

#include "U_taxel.h"
#include "ui/U_koumoku.h"
#include "ui/U_saimoku.h"
#include "ui/U_study.h"
#include "ui/U_tutorial.h"

TaxelWindows::TaxelWindows(const WindowServices &services, bool maintenance)
    : m_main(std::make_unique<TMainForm>(services))
{
    m_main->setMaintenanceMode(maintenance);
    m_itemSearch = new TKoumokuDialog(services, m_main.get());
    m_study = new TDialogStudy(services, m_main.get());
    m_tutorial = new TTutorialDialog(services, m_main.get());
    m_analysis = new TSaimokuDialog(services, m_main.get());
    m_main->setStudyWindows({m_study, m_tutorial, m_analysis, m_itemSearch});
}

TaxelWindows::~TaxelWindows() = default;
