#pragma once

/// Maps the font names the windows are designed with ("ＭＳ ゴシック", "ＭＳ Ｐゴシック", Tahoma) to the
/// Japanese fonts of this system, so every caption renders in a Japanese font.
void InstallFontSubstitutions();
