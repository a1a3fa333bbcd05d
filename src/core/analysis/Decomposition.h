#pragma once

#include <QList>
#include <QString>
#include <QStringList>

/// The names one section line gives the chosen number.
struct SectionNames
{
    QString section; ///< 要目名, field 2
    QString mainClass; ///< 類目名, field 3
    QString division; ///< 綱目名, field 4
};

/// What the analysis of one schedule line computes. The window applies it in order: kind caption,
/// class number and caption, names (and, for the first section line, the synthesis fields), the
/// final split.
struct ClassAnalysis
{
    QString message; ///< when not empty: shown, and the analysis stops (the display stays reset)

    QString number; ///< the analysed number with its slash: the longer of entry and line number
    QString classNumber; ///< the line's own class number (at most 10 characters)
    QString caption; ///< the line's caption

    QString basicPart; ///< from the longest section line that begins the number
    QString extensionPart; ///< what follows it, the character right after it skipped
    int kindCode = 0; ///< item 1 of that section line's descriptor
    QString descriptorBasic;
    QString descriptorExtension;

    int firstKind = 0; ///< the kind caption's first code (kindCode div 10 above 10, else kindCode)
    int secondKind = 0;

    /// one per section line of the chosen number (non-empty, four or more fields), in file order
    QList<SectionNames> sections;
    /// the first such line's descriptor (field 5) and formulas (fields 6 to 8), when present
    bool hasDescriptor = false;
    QString descriptor;
    QStringList formulas;

    QString finalBasic; ///< the basic part shown at the end
    QString finalExtension; ///< the extension part shown at the end

    bool hasSection() const { return !sections.isEmpty(); }
};

/// The two codes of the kind caption: above 10 the tens and the units (12 → 1 and 2,
/// 123 → 12 and 3), otherwise the code alone (10 → 10 and 0).
std::pair<int, int> KindCaptionCodes(int kindCode);

/// The kind caption text for two codes: "形式区分", "形式区分+地理区分", "+海洋区分" (first code
/// without caption); empty when neither has one. Codes outside 0..14 count as 0.
QString KindCaptionText(int first, int second);

/// Analyses \a scheduleLine (one line of the hit list) for the number typed as \a entryText,
/// with the section lines of its main class.
/// Entry "210.1", line "/210,日本史,…", section "/210,日本史,歴史,日本史,1/210/1" →
/// number "/210.1", basic "210", extension "1", kind 1, class number "210".
ClassAnalysis AnalyzeScheduleLine(
    const QString &entryText, const QString &scheduleLine, const QStringList &sectionLines);
