#pragma once

#include <QString>

/// The controls of the main menu that have a description for the pointer resting on them.
enum class MenuControl { Study, Tutorial, Analysis, ItemSearch, Help, Search1, Search2, Search3 };

/// Everything the main menu shows, as a value; each user action is one call that changes it and
/// the window renders the result. The pointer on 分類記号付与の学習 → its description in the box; the
/// help button → the help panel open and the button reading "閉じる".
struct MainMenuState
{
    QString description; ///< STsetumei
    bool explanationShown = false; ///< Psetumei
    bool helpOpen = false; ///< Phelp open, Bhelp "閉じる"; closed, "ヘルプ"
    bool maintenance = false; ///< LmakeKoumoku and LmakeReidai shown
    QString workingFolder; ///< Lsyspath: the working folder at start-up

    /// The text the description box shows for \a control.
    static QString descriptionOf(MenuControl control);
    /// The message of the version button.
    static QString versionMessage();
    /// The message after a maintenance command made \a result entries (-1: it failed).
    static QString builderMessage(int result);

    void pointTo(MenuControl control) { description = descriptionOf(control); }
    /// The pointer came onto the window's bare surface.
    void pointToSurface() { description.clear(); }
    void toggleExplanation() { explanationShown = !explanationShown; }
    void closeExplanation() { explanationShown = false; }
    void toggleHelp() { helpOpen = !helpOpen; }
    void closeHelp() { helpOpen = false; }
    QString helpButtonText() const { return helpOpen ? QStringLiteral("閉じる") : QStringLiteral("ヘルプ"); }
};
