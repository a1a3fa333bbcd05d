#include "Synthesis.h"

#include "datafiles/CommaText.h"
#include "datafiles/NumberText.h"

QStringList SplitSynthesisItems(const QString &field)
{
    QString text = field;
    text.replace(QLatin1Char('/'), QLatin1Char(','));
    return SplitCommaText(text);
}

std::array<int, 3> KindDigits(int value)
{
    std::array<int, 3> digits {};
    if (value >= 100 && value <= 999) {
        digits[0] = value / 100;
        digits[1] = value / 10 % 10;
        digits[2] = value % 10;
    } else if (value >= 10 && value <= 99) {
        digits[0] = value / 10;
        digits[1] = value % 10;
    } else if (value >= 1 && value <= 9) {
        digits[0] = value;
    }
    return digits;
}

QString FormulaKindName(int kind)
{
    const QStringList &names = AuxKindNames();
    if (kind >= 0 && kind < names.size())
        return names.at(kind);
    if (kind == 9)
        return AuxKindCaption(9);
    return names.at(0);
}

bool IsSpecialNote(int number)
{
    return number >= 1 && number <= 19;
}

SynthesisField ReadSynthesisField(const QString &field, int slot, const AuxTables &tables, int division)
{
    SynthesisField out;
    out.slot = slot;
    const QStringList items = SplitSynthesisItems(field);
    out.itemCount = static_cast<int>(items.size());
    if (slot == 0) {
        if (items.isEmpty())
            return out;
        out.result = ReadInt(items.at(0));
        out.kinds = KindDigits(out.result);
        if (items.size() >= 2)
            out.basicPart = items.at(1);
        if (items.size() >= 3) {
            out.extensionPart = items.at(2);
            out.entry = LookupAuxItem(tables, division, out.kinds[0], out.extensionPart);
        }
        if (items.size() >= 4 && IsSpecialNote(ReadInt(items.at(3))))
            out.firstNote = ReadInt(items.at(3));
        if (items.size() >= 5 && IsSpecialNote(ReadInt(items.at(4))))
            out.secondNote = ReadInt(items.at(4));
        return out;
    }
    if (!items.isEmpty())
        out.formula = items.at(0);
    if (items.size() >= 2) {
        out.kind = ReadInt(items.at(1));
        out.kindName = FormulaKindName(out.kind);
    }
    if (items.size() >= 3)
        out.entry = LookupAuxItem(tables, division, out.kind, items.at(2));
    return out;
}
