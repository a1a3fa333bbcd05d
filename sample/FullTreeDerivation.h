#pragma once

// The section data and the auxiliary tables of the full tree, derived from the NDC 9 schedules.
//
// The published schedules carry every class number with its caption and the names of its main
// class, division and section, but no tables and no synthesis. The tables are mirrored in the
// schedules (the generated items 302.<code> "…＠<place>" spell out the geographic table, the
// languages of class 8 the language table, 299 the seas), and the synthesis of each number follows
// from the rules of analysis/SynthesisRules.h. The sample's hand-written section lines keep their
// place; every other schedule number gets a derived one.

#include "analysis/AuxTables.h"

#include <QString>
#include <QStringList>

#include <array>

class ScheduleSynthesis;

namespace FullTreeDerivation {

/// The sample's tables completed from \a schedule (the lines of all ten schedule files): every
/// code the schedules show, with the caption they give it, in the order of the codes. What was
/// added or differs goes to \a report.
AuxTables CompleteTables(const AuxTables &sample, const QStringList &schedule, QStringList *report);

/// The section line derived for a schedule line: "/302.1,section,main class,division,descriptor,
/// formula…". A schedule line with fewer than five fields gives an empty text.
QString DeriveSectionLine(const ScheduleSynthesis &synthesis, const QString &scheduleLine);

/// The section files of the ten main classes: the sample's lines (\a sample, per main class) and a
/// derived line for every schedule number they do not cover, in the order of the numbers.
std::array<QStringList, 10> SectionFiles(
    const AuxTables &tables, const std::array<QStringList, 10> &schedules, const std::array<QStringList, 10> &sample);

/// The derivation checked against the sample: the line derived for each number of a sample section
/// line, field by field. The first line of the result sums it up.
QStringList CompareWithSample(
    const AuxTables &tables, const std::array<QStringList, 10> &schedules, const std::array<QStringList, 10> &sample);

/// Reads the tables, schedules and section files of the tree \a target (a StudyTaxel folder),
/// completes the tables, writes them and the section files back, and writes the comparison with the
/// sample to \a reportFile. Returns the summary lines to print. Throws FileError.
QStringList DeriveTree(const QString &target, const QString &reportFile);

} // namespace FullTreeDerivation
