#include "AppWindows.h"

#include "U_taxel.h"
#include "analysis/AnalysisData.h"
#include "ui/StudyWindow.h"
#include "ui/U_koumoku.h"
#include "ui/U_saimoku.h"
#include "ui/U_study.h"
#include "ui/U_tutorial.h"

#include <QDialog>

TMainForm *MainForm = nullptr;
TKoumokuDialog *KoumokuDialog = nullptr;
TDialogStudy *DialogStudy = nullptr;
TTutorialDialog *TutorialDialog = nullptr;
TSaimokuDialog *SaimokuDialog = nullptr;

void CreateWindows(bool maintenance)
{
    MainForm = new TMainForm();
    MainForm->setMaintenanceMode(maintenance);
    KoumokuDialog = new TKoumokuDialog(MainForm);
    DialogStudy = new TDialogStudy(MainForm);
    // the schedules, sections and tables, read once for the practice window's read-back of an answer
    // and for the analysis window
    const auto analysisData = std::make_shared<AnalysisData>(AnalysisData::load());
    TutorialDialog = new TTutorialDialog(MainForm, analysisData);
    SaimokuDialog = new TSaimokuDialog(MainForm, analysisData);
}

void DestroyWindows()
{
    delete MainForm; // owns the study windows
    MainForm = nullptr;
    KoumokuDialog = nullptr;
    DialogStudy = nullptr;
    TutorialDialog = nullptr;
    SaimokuDialog = nullptr;
}

void ShowStudyWindow(QDialog *window)
{
    PlaceStudyWindow(window);
    window->exec();
}
