#include "AppWindows.h"

#include "U_taxel.h"
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
    TutorialDialog = new TTutorialDialog(MainForm);
    SaimokuDialog = new TSaimokuDialog(MainForm);
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
