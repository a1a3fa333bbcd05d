#pragma once

#include <QString>
#include <QStringList>

/// What the entry box accepts: exactly three characters, or five or more with a period in fourth
/// place ("210", "210.1"); the characters themselves are not checked.
enum class EntryCheck {
    Empty, ///< nothing typed: nothing to do
    Accepted,
    Invalid, ///< length 4, or shorter than 3
    PeriodMissing, ///< five or more characters without a period in fourth place
};

/// "210.1" → Accepted, "2101" → Invalid, "21.01" → PeriodMissing, "" → Empty.
EntryCheck CheckClassEntry(QStringView entry);

/// The message shown for a refused entry; empty for Empty and Accepted.
QString EntryCheckMessage(EntryCheck check);

/// The leading integer of an entry divided by 10: "210.1" → 21, "913.6" → 91, "abc" → 0.
int DivisionOfEntry(QStringView entry);
/// The leading integer divided by 100: "210.1" → 2.
int MainClassOfEntry(QStringView entry);

/// "StudyTaxel/TaxelData/Saimoku_2.txt" for main class 2 (relative to the data root).
QString ScheduleFilePath(int mainClass);
/// "StudyTaxel/TaxelData/Youmoku_2.txt" for main class 2.
QString SectionFilePath(int mainClass);

/// The search key of an accepted entry: a three-character entry is its own key; a longer one
/// gives its longest leading part (at least three characters) that is a schedule number, that is,
/// for which a line "/part,…" exists. 210.12 with lines for 210.1 and 210 → "210.1"; none → "".
QString FindSearchKey(const QString &entry, const QStringList &schedule);

/// Appends to \a hits every schedule line that holds \a key right after its first character
/// (the key's own line and every longer number under it: "210" finds /210, /210.1, /2101 …)
/// and returns the number of lines \a hits then holds. An empty key finds nothing.
int ListScheduleHits(const QString &key, const QStringList &schedule, QStringList &hits);

/// The schedule lines the entry box lists for an accepted \a entry once \a schedule holds the lines
/// of its main class: ListScheduleHits of FindSearchKey. Empty when neither the entry nor any
/// leading part of it is found. The entry box's search and the data check both go through it.
QStringList ScheduleHitsFor(const QString &entry, const QStringList &schedule);
