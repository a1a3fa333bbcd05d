#pragma once

#include <QString>

/// The fixed data paths, relative to the data root (DataRoot::path resolves them).
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
} // namespace DataPaths
