#include "Decomposition.h"

#include "AuxTables.h"
#include "Synthesis.h"

#include "datafiles/CommaText.h"
#include "datafiles/NumberText.h"

namespace {
constexpr int MaxNumberLength = 10;

/// Finds the section line of the longest leading part of \a number ("/210.12" tries "/210.12",
/// "/210.1", … "/210") and takes basic part, extension part and descriptor from it.
void splitByLongestSection(const QStringList &sectionLines, ClassAnalysis &a)
{
    const QString &number = a.number;
    for (qsizetype n = number.size(); n >= 4; --n) {
        const QString prefix = number.left(n) + QLatin1Char(',');
        for (const QString &line : sectionLines) {
            if (!line.startsWith(prefix))
                continue;
            a.basicPart = number.mid(1, n - 1);
            a.extensionPart = number.mid(n + 1, MaxNumberLength);
            const QStringList fields = SplitCommaText(line);
            if (fields.size() >= 5) {
                const QStringList items = SplitSynthesisItems(fields.at(4));
                a.kindCode = items.isEmpty() ? 0 : ReadInt(items.at(0));
                a.descriptorBasic = items.value(1);
                a.descriptorExtension = items.value(2);
            }
            return;
        }
    }
}

void collectSections(const QString &field1, const QStringList &sectionLines, ClassAnalysis &a)
{
    const QString prefix = field1 + QLatin1Char(',');
    for (const QString &line : sectionLines) {
        if (line.isEmpty() || !line.startsWith(prefix))
            continue;
        const QStringList fields = SplitCommaText(line);
        if (fields.size() < 4)
            continue;
        if (a.sections.isEmpty()) {
            a.hasDescriptor = fields.size() >= 5;
            a.descriptor = fields.value(4);
            for (int i = 5; i < 8 && i < fields.size(); ++i)
                a.formulas.append(fields.at(i));
        }
        a.sections.append({fields.at(1), fields.at(2), fields.at(3)});
    }
}

void finalSplit(ClassAnalysis &a)
{
    a.finalBasic = a.basicPart;
    a.finalExtension = a.extensionPart;
    if (a.descriptorBasic.isEmpty())
        return;
    const QString bare = a.number.mid(1, MaxNumberLength);
    a.finalBasic = a.descriptorBasic;
    if (bare.size() > a.descriptorBasic.size()) {
        QString rest = bare.mid(a.descriptorBasic.size(), MaxNumberLength);
        if (rest.startsWith(QLatin1Char('.')))
            rest.remove(0, 1);
        a.finalExtension = rest;
    } else {
        a.finalExtension = a.descriptorExtension;
    }
}
} // namespace

std::pair<int, int> KindCaptionCodes(int kindCode)
{
    if (kindCode > 10)
        return {kindCode / 10, kindCode % 10};
    return {kindCode, 0};
}

QString KindCaptionText(int first, int second)
{
    auto inRange = [](int code) { return code < 0 || code > 14 ? 0 : code; };
    const QString a = AuxKindCaption(inRange(first));
    const QString b = AuxKindCaption(inRange(second));
    if (b.isEmpty())
        return a;
    return a + QLatin1Char('+') + b;
}

ClassAnalysis AnalyzeScheduleLine(
    const QString &entryText, const QString &scheduleLine, const QStringList &sectionLines)
{
    ClassAnalysis a;
    a.number = QLatin1Char('/') + entryText;
    const QStringList fields = SplitCommaText(scheduleLine);
    if (fields.size() < 5) {
        a.message = QStringLiteral("このデータは正しく処理できません!");
        return a;
    }
    const QString &field1 = fields.at(0);
    a.classNumber = field1.mid(1, MaxNumberLength);
    if (a.classNumber.size() < 3) {
        a.message = QStringLiteral("3桁以上の分類記号が必要です。");
        return a;
    }
    if (field1.size() > a.number.size())
        a.number = field1;
    a.caption = fields.at(1);

    splitByLongestSection(sectionLines, a);
    std::tie(a.firstKind, a.secondKind) = KindCaptionCodes(a.kindCode);
    collectSections(field1, sectionLines, a);
    finalSplit(a);
    return a;
}
