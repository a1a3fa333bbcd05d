#pragma once

class QStatusBar;
class QWidget;

/// Makes \a bar show the hint (status tip) of the control under the pointer; a control without a
/// hint shows the hint of the nearest enclosing control that has one, and the bare window shows
/// nothing. There are no pop-up hints.
void InstallStatusHints(QWidget *window, QStatusBar *bar);
