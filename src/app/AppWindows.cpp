#include "AppWindows.h"

#include "U_taxel.h"
#include "ui/U_koumoku.h"
#include "ui/U_saimoku.h"
#include "ui/U_study.h"
#include "ui/U_tutorial.h"

#include <QGuiApplication>
#include <QScreen>

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
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect frame = window->frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        window->move(frame.topLeft());
    }
    window->exec();
}
