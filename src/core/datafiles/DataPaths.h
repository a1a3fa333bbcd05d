#pragma once

#include <QString>

/// The fixed data paths, relative to the data root (a DataTree resolves them).
namespace DataPaths {
inline QString studyTaxel()
{
    return QStringLiteral("StudyTaxel");
}
inline QString binFolder()
{
    return QStringLiteral("StudyTaxel/Bin");
}
inline QString manual()
{
    return QStringLiteral("StudyTaxel/Taxelマニュアル.pdf");
}
inline QString itemMaster()
{
    return QStringLiteral("StudyTaxel/Koumoku_All.csv");
}
inline QString exampleMaster()
{
    return QStringLiteral("StudyTaxel/Reidai_All.csv");
}
inline QString keywordIndexFolder()
{
    return QStringLiteral("StudyTaxel/KoumokuIndex");
}
inline QString exampleFolder()
{
    return QStringLiteral("StudyTaxel/ReidaiData");
}
inline QString tableFolder()
{
    return QStringLiteral("StudyTaxel/TaxelData");
}
inline QString studyFolder()
{
    return QStringLiteral("StudyTaxel/SaimokuData");
}
/// The explanations the practice window's links open.
inline QString basicsGuide()
{
    return studyFolder() + QStringLiteral("/taxel_kihon.pdf");
}
inline QString tablesGuide()
{
    return studyFolder() + QStringLiteral("/taxel_hojo.pdf");
}
/// The explanation of class \a digit (0 … 9): "StudyTaxel/SaimokuData/exp_rui3.pdf".
inline QString classGuide(int digit)
{
    return studyFolder() + QStringLiteral("/exp_rui%1.pdf").arg(digit);
}
} // namespace DataPaths
