#pragma once

#include "ui/WindowServices.h"

#include <memory>

class TMainForm;
class TKoumokuDialog;
class TDialogStudy;
class TTutorialDialog;
class TSaimokuDialog;

/// The program's five windows, created at start-up in this order and kept for the whole run: the
/// main window, which owns the four study windows and opens them from its menus, then the item
/// search, the rules study, the practice and the analysis window. Each gets the services it is
/// handed here.
class TaxelWindows
{
public:
    /// \a maintenance shows the main window's two maintenance commands.
    TaxelWindows(const WindowServices &services, bool maintenance);
    ~TaxelWindows();
    TaxelWindows(const TaxelWindows &) = delete;
    TaxelWindows &operator=(const TaxelWindows &) = delete;

    TMainForm &mainForm() const { return *m_main; }
    TKoumokuDialog &itemSearch() const { return *m_itemSearch; }
    TDialogStudy &study() const { return *m_study; }
    TTutorialDialog &tutorial() const { return *m_tutorial; }
    TSaimokuDialog &analysis() const { return *m_analysis; }

private:
    std::unique_ptr<TMainForm> m_main;
    TKoumokuDialog *m_itemSearch = nullptr; // children of the main window
    TDialogStudy *m_study = nullptr;
    TTutorialDialog *m_tutorial = nullptr;
    TSaimokuDialog *m_analysis = nullptr;
};
