#pragma once

class QWidget;

/// Places a study window in the middle of the desktop, where the main menu shows it each time.
void PlaceStudyWindow(QWidget *window);
