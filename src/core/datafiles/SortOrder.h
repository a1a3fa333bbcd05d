#pragma once

#include <QStringList>
#include <QStringView>

/// The order of sorted lists: the user locale's comparison with letter case ignored, ties broken
/// by plain code-unit comparison, so the order is total and texts that are equal character for
/// character always end up next to each other.
int CompareSorted(QStringView a, QStringView b);

/// Inserts \a text into the ascending \a list at its place (after any equal entries).
void InsertSorted(QStringList &list, const QString &text);
