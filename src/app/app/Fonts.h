#pragma once

#include <QList>

class QFont;

/// Maps the font names the windows are designed with ("ＭＳ ゴシック", "ＭＳ Ｐゴシック", Tahoma) to the
/// Japanese fonts of this system, so every caption renders in a Japanese font.
void InstallFontSubstitutions();

/// The fonts the windows are designed with, one for each font file they draw from (bold Tahoma has
/// a file of its own; the Gothic fonts are made bold from their one file).
QList<QFont> DesignFonts();
