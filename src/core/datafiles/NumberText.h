#pragma once

#include <QStringView>

/// Reads a number text the way the C library's integer conversion does: leading white space
/// skipped, an optional sign, then the digits up to the first other character; no digits give 0.
/// Unlike the C library it saturates at the int range instead of overflowing.
/// "  -12ab" → -12, "7.5" → 7, "abc" → 0, "99999999999" → 2147483647.
int ReadInt(QStringView text);
