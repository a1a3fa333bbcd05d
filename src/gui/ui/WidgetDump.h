#pragma once

#include <QJsonObject>

class QWidget;

/// The state of every named control of \a window, as the console prints it:
/// {"Esaimoku": {"text": "210.1", "hidden": false, "enabled": true}, ...}. Per control: hidden
/// (explicitly hidden), enabled; text for labels, edit boxes, buttons and combo boxes; items and
/// index for list and combo boxes; checked for check boxes and radio buttons; top and height
/// (design coordinates) for panels, whose names begin with "P".
QJsonObject DumpControls(const QWidget *window);
