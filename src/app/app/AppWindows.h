#pragma once

class QDialog;
class TMainForm;
class TKoumokuDialog;
class TDialogStudy;
class TTutorialDialog;
class TSaimokuDialog;

/// The five windows, created once at start-up in this order and kept for the whole run.
extern TMainForm *MainForm;
extern TKoumokuDialog *KoumokuDialog;
extern TDialogStudy *DialogStudy;
extern TTutorialDialog *TutorialDialog;
extern TSaimokuDialog *SaimokuDialog;

/// Creates the five windows (the main window first; the analysis window loads its tables while it
/// is created). \a maintenance shows the main window's two maintenance commands.
void CreateWindows(bool maintenance);
/// Destroys them at the end of the run.
void DestroyWindows();

/// Shows a study window modally, centred on the desktop; returns when it is closed.
void ShowStudyWindow(QDialog *window);
