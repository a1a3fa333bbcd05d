#include "AnalysisState.h"

#include "AnalysisData.h"
#include "ClassEntry.h"
#include "CodeMatch.h"
#include "Decomposition.h"
#include "Synthesis.h"
#include "SynthesisRules.h"

#include <algorithm>

#include "datafiles/NumberText.h"

namespace {

AuxList listOfTable(AuxTable table)
{
    switch (table) {
    case AuxTable::Keisiki: return AuxList::Keisiki1;
    case AuxTable::Tiri: return AuxList::Tiri1;
    case AuxTable::Tihou: return AuxList::Tihou;
    case AuxTable::Kaiyou: return AuxList::Kaiyou;
    case AuxTable::Gengo: return AuxList::Gengo;
    case AuxTable::GengoCom: return AuxList::GengoCom;
    case AuxTable::BungakuCom: return AuxList::BungakuCom;
    case AuxTable::ZidaiRekisi: return AuxList::ZidaiRekisi;
    case AuxTable::ZidaiBun: return AuxList::ZidaiBun;
    case AuxTable::Koumokuhyou:
    case AuxTable::None: break;
    }
    return AuxList::Koumokuhyou;
}

/// The list each of the boxes 3 to 9 shows and hides.
AuxList listOfBox(int kind)
{
    switch (kind) {
    case 3: return AuxList::Kaiyou;
    case 4: return AuxList::Gengo;
    case 5: return AuxList::GengoCom;
    case 6: return AuxList::BungakuCom;
    case 7: return AuxList::ZidaiRekisi;
    case 8: return AuxList::Tihou;
    default: return AuxList::Koumokuhyou;
    }
}

void emptyList(AuxListView &list)
{
    list.index = -1;
    list.text.clear();
}

} // namespace

AuxTable TableOfList(AuxList list)
{
    switch (list) {
    case AuxList::Keisiki1:
    case AuxList::Keisiki2: return AuxTable::Keisiki;
    case AuxList::Tiri1:
    case AuxList::Tiri2: return AuxTable::Tiri;
    case AuxList::Tihou: return AuxTable::Tihou;
    case AuxList::Kaiyou: return AuxTable::Kaiyou;
    case AuxList::Gengo: return AuxTable::Gengo;
    case AuxList::GengoCom: return AuxTable::GengoCom;
    case AuxList::BungakuCom: return AuxTable::BungakuCom;
    case AuxList::ZidaiRekisi: return AuxTable::ZidaiRekisi;
    case AuxList::ZidaiBun: return AuxTable::ZidaiBun;
    case AuxList::Koumokuhyou: return AuxTable::Koumokuhyou;
    }
    return AuxTable::None;
}

// ---- entry and hit list ------------------------------------------------------------------------

QStringList AnalysisState::enter(const AnalysisData &data)
{
    division = 0;
    reset(false);
    const EntryCheck check = CheckClassEntry(entry);
    if (check == EntryCheck::Empty)
        return {};
    if (check != EntryCheck::Accepted)
        return {EntryCheckMessage(check)};
    division = DivisionOfEntry(entry);
    const int mainClass = MainClassOfEntry(entry);

    const AnalysisFile &schedule = data.schedule(mainClass);
    if (!schedule.exists)
        return {QStringLiteral("指定した分類記号の細目表データが読み込めません！")};
    if (!schedule.error.isEmpty())
        return {schedule.error};
    if (schedule.lines.isEmpty())
        return {QStringLiteral("指定した分類記号の細目表データがありません！")};
    // A missing section file keeps the section lines an earlier search loaded.
    const AnalysisFile &sections = data.sections(mainClass);
    if (sections.exists && !sections.error.isEmpty())
        return {sections.error};
    if (sections.exists)
        sectionLines = sections.lines;

    hits = ScheduleHitsFor(entry, schedule.lines);
    if (hits.size() == 1)
        return analyze(data, hits.first());
    return {};
}

QStringList AnalysisState::pickHit(const AnalysisData &data, int row)
{
    if (row < 0 || row >= hits.size())
        return {};
    return analyze(data, hits.at(row));
}

void AnalysisState::resetAll()
{
    reset(false);
    entry.clear();
    focusEntry = true;
}

// ---- reset and analysis ------------------------------------------------------------------------

void AnalysisState::reset(bool spareHitList)
{
    firstNote.clear();
    secondNote.clear();
    notesShown = false;
    notesTall = false;

    for (FormulaRow &row : rows)
        row.kind = 0;
    clearTables();
    clearClassNumber();
    if (!spareHitList)
        hits.clear();
}

void AnalysisState::clearTables()
{
    // Unticking runs a ticked box's behaviour, which empties and hides its lists; a box that was not
    // ticked runs nothing, so its lists keep what a re-analysis put there.
    setBox(1, false);
    formCount = 0;
    setBox(2, false);
    geoCount = 0;
    for (int kind : {3, 4, 5, 6, 7, 9, 8})
        setBox(kind, false);

    kindCaption.clear();
    structure.clear();
    structureNotes = {};

    for (AuxList which : {AuxList::Tiri1, AuxList::Tiri2, AuxList::Kaiyou, AuxList::Gengo, AuxList::GengoCom,
             AuxList::BungakuCom, AuxList::ZidaiRekisi}) {
        emptyList(list(which));
        list(which).hidden = true;
    }
    periodNoteShown = false;
    emptyList(list(AuxList::Koumokuhyou));
    list(AuxList::Koumokuhyou).hidden = true;
}

void AnalysisState::clearClassNumber()
{
    classNumber.clear();
    caption.clear(); // the caption goes with its class number
    mainClassName.clear();
    divisionName.clear();
    sectionNames.clear();
    sectionIndex = -1;
    kindValues.clear();

    for (FormulaRow &row : rows) {
        row.formula.clear();
        row.kindName.clear();
        row.entry = AuxEntry();
    }
    basicPart.clear();
    extensionPart.clear();
}

QStringList AnalysisState::analyze(const AnalysisData &data, const QString &scheduleLine)
{
    reset(true);
    const ClassAnalysis a = AnalyzeScheduleLine(entry, scheduleLine, sectionLines);
    if (!a.message.isEmpty())
        return {a.message};
    showKindCaption(a.firstKind, a.secondKind);
    classNumber = a.classNumber;
    caption = a.caption;

    for (int i = 0; i < a.sections.size(); ++i) {
        const SectionNames &names = a.sections.at(i);
        mainClassName = names.mainClass;
        divisionName = names.division;
        sectionNames.append(names.section);
        if (i > 0)
            continue;
        const int kindValue = a.hasDescriptor ? applySynthesisField(data, a.descriptor, 0) : 0;
        kindValues.append(QString::number(kindValue));
        for (int slot = 1; slot <= a.formulas.size(); ++slot)
            applySynthesisField(data, a.formulas.at(slot - 1), slot);
    }
    sectionIndex = sectionNames.isEmpty() ? -1 : 0;
    readBeyondSchedule(data, a);

    basicPart = a.finalBasic;
    extensionPart = a.finalExtension;
    fillAuxLists();
    return {};
}

void AnalysisState::readBeyondSchedule(const AnalysisData &data, const ClassAnalysis &a)
{
    // Only where the section data says nothing of the number: a number of the schedule, or one its
    // section line explains, shows what its section line says.
    const QString number = a.number.mid(1);
    const QString digits = DigitsOf(number);
    if (digits.size() <= DigitsOf(a.classNumber).size())
        return;
    for (const FormulaRow &row : rows)
        if (row.kind != 0)
            return;
    const QList<SynthesisPart> parts = data.synthesis().partsOf(number);
    const bool beyond = std::any_of(parts.begin(), parts.end(),
        [&](const SynthesisPart &part) { return part.end > DigitsOf(a.classNumber).size(); });
    if (!beyond)
        return;
    QList<int> kinds;
    for (int slot = 0; slot < parts.size() && slot < 3; ++slot) {
        const SynthesisPart &part = parts.at(slot);
        FormulaRow &row = rows[static_cast<std::size_t>(slot)];
        row.formula = FormulaOf(part, digits);
        row.kind = part.kind;
        row.kindName = FormulaKindName(part.kind);
        tickKinds(slot == 0 ? part.kind : 0, slot == 1 ? part.kind : 0, slot == 2 ? part.kind : 0);
        row.entry = showLookup(LookupAuxItem(data.tables, division, part.kind, part.code));
        if (!part.alternative)
            kinds.append(part.kind);
    }
    if (kindCaption.isEmpty() && !kinds.isEmpty())
        kindCaption = KindCaptionText(
            kinds.size() > 1 ? kinds.at(kinds.size() - 2) : kinds.last(), kinds.size() > 1 ? kinds.last() : 0);
}

void AnalysisState::showKindCaption(int first, int second)
{
    if (first < 0 || first > 14)
        first = 0;
    if (second < 0 || second > 14)
        second = 0;
    const QString text = KindCaptionText(first, second);
    if (text.isEmpty())
        return;
    kindCaption = text;

    // Here the count changes before the box is ticked, so a box ticked now shows its second list
    // when the caption's second code makes the count 2.
    if (first == 1)
        formCount = 0;
    else if (first == 2)
        geoCount = 0;
    tickBox(first);
    if (second == 1)
        formCount = formCount == 1 ? 2 : 1;
    else if (second == 2)
        geoCount = geoCount == 1 ? 2 : 1;
    tickBox(second);
}

void AnalysisState::tickBox(int kind)
{
    if (kind < 1 || kind > 9 || isTicked(kind))
        return; // a box already ticked runs nothing
    ticked[static_cast<std::size_t>(kind - 1)] = true;
    runBoxBehaviour(kind); // with the counts as they stand at this moment
}

void AnalysisState::tickKinds(int kind1, int kind2, int kind3)
{
    const int kinds[] = {kind1, kind2, kind3};
    for (int position = 1; position <= 3; ++position) {
        const int kind = kinds[position - 1];
        // Here the box is ticked before the count changes: its behaviour sees the count as it was.
        tickBox(kind);
        int *count = kind == 1 ? &formCount : kind == 2 ? &geoCount : nullptr;
        if (count)
            *count = position == 1 ? 1 : (*count == 1 ? 2 : 1);
    }
}

int AnalysisState::applySynthesisField(const AnalysisData &data, const QString &field, int slot)
{
    const SynthesisField f = ReadSynthesisField(field, slot, data.tables, division);
    if (slot == 0) {
        if (f.itemCount >= 1)
            tickKinds(f.kinds[0], f.kinds[1], f.kinds[2]);
        if (f.itemCount >= 2)
            basicPart = f.basicPart;
        if (f.itemCount >= 3)
            extensionPart = f.extensionPart;
        if (f.firstNote)
            showNote(f.firstNote, 0);
        if (f.secondNote)
            showNote(f.secondNote, 1);
        if (f.itemCount >= 3)
            rows[0].entry = showLookup(f.entry);
        return f.result;
    }
    if (slot < 1 || slot > 3)
        return 0;
    FormulaRow &row = rows[static_cast<std::size_t>(slot - 1)];
    if (f.itemCount >= 1)
        row.formula = f.formula;
    if (f.itemCount >= 2) {
        row.kindName = f.kindName;
        row.kind = f.kind;
        tickKinds(slot == 1 ? f.kind : 0, slot == 2 ? f.kind : 0, slot == 3 ? f.kind : 0);
    }
    if (f.itemCount >= 3)
        row.entry = showLookup(f.entry);
    return 0;
}

AuxEntry AnalysisState::showLookup(const AuxEntry &entry)
{
    // the regional and the summary table also select the entry in their list and show it
    if (entry.found() && (entry.table == AuxTable::Tihou || entry.table == AuxTable::Koumokuhyou)) {
        AuxListView &shown = list(listOfTable(entry.table));
        shown.index = entry.index;
        shown.text = entry.text;
        shown.hidden = false;
    }
    return entry;
}

void AnalysisState::showNote(int number, int slot)
{
    if (slot == 0) {
        firstNote = SpecialNoteText(number);
        notesTall = false;
    } else {
        secondNote = SpecialNoteText(number);
        notesTall = true;
    }
    notesShown = true;
}

void AnalysisState::fillAuxLists()
{
    for (std::size_t row = 0; row < rows.size(); ++row) {
        AuxListView *target = nullptr;
        switch (rows[row].kind) {
        case 1:
            target = row == 0 || list(AuxList::Keisiki1).text.isEmpty() ? &list(AuxList::Keisiki1)
                                                                        : &list(AuxList::Keisiki2);
            break;
        case 2:
            target = row == 0 || list(AuxList::Tiri1).text.isEmpty() ? &list(AuxList::Tiri1) : &list(AuxList::Tiri2);
            break;
        case 7:
            target = &list(AuxList::ZidaiRekisi); // a literary period entry of division 91 is shown here too
            break;
        default: {
            const AuxTable table = AuxTableOfKind(rows[row].kind, division);
            if (table != AuxTable::None)
                target = &list(listOfTable(table));
            break;
        }
        }
        if (target)
            target->text = rows[row].entry.text;
    }
}

// ---- re-analysis, the section names and the boxes ----------------------------------------------

QStringList AnalysisState::reanalyze(const AnalysisData &data)
{
    const ExtensionMatch match = MatchExtensionCode(extensionPart, data.tables, division);
    for (const AuxEntry &found : match.entries) {
        list(listOfTable(found.table)).text = found.text;
        // The literary period list is never shown; its match is shown in the period list as well.
        if (found.table == AuxTable::ZidaiBun)
            list(AuxList::ZidaiRekisi).text = found.text;
    }
    switch (match.result) {
    case ExtensionMatch::TableMatch:
        return {QStringLiteral(
            "補助表の分類に一致するコードがありますが、正しい補助項目かどうかを判断する必要があります。")};
    case ExtensionMatch::ZeroJoined:
    case ExtensionMatch::Leading02:
    case ExtensionMatch::Leading2:
        structure = match.structureText();
        structureNotes[static_cast<std::size_t>(match.result - ExtensionMatch::ZeroJoined)] = true;
        break;
    default: break;
    }
    return {};
}

QStringList AnalysisState::pickSection(int index)
{
    // Only the first section line of an analysis has a kind value; the others show nothing.
    if (index < 0 || index >= sectionNames.size())
        return {};
    sectionIndex = index;
    if (index >= kindValues.size())
        return {};
    const QString code = kindValues.at(index);
    const int kind = ReadInt(code);
    for (const FormulaRow &row : rows)
        if (row.kind != 0)
            return {code};

    setBox(1, false);
    zeroNoteShown = false;
    for (AuxList which :
        {AuxList::Tiri1, AuxList::Kaiyou, AuxList::Gengo, AuxList::GengoCom, AuxList::BungakuCom, AuxList::ZidaiRekisi})
        list(which).hidden = true;
    periodNoteShown = false;
    switch (kind) {
    case 1: setBox(1, true); break;
    case 2: list(AuxList::Tiri1).hidden = false; break;
    case 7:
        list(AuxList::ZidaiRekisi).hidden = false;
        periodNoteShown = true;
        break;
    case 3:
    case 4:
    case 5:
    case 6:
    case 8: list(listOfBox(kind)).hidden = false; break;
    default: break;
    }
    return {code};
}

void AnalysisState::setBox(int kind, bool on)
{
    if (kind < 1 || kind > 9 || isTicked(kind) == on)
        return; // a box set to the state it has runs nothing
    ticked[static_cast<std::size_t>(kind - 1)] = on;
    runBoxBehaviour(kind);
}

void AnalysisState::runBoxBehaviour(int kind)
{
    const bool on = isTicked(kind);
    if (kind == 1 || kind == 2) {
        AuxListView &first = list(kind == 1 ? AuxList::Keisiki1 : AuxList::Tiri1);
        AuxListView &second = list(kind == 1 ? AuxList::Keisiki2 : AuxList::Tiri2);
        if (on) {
            first.hidden = false;
            if (kind == 1)
                zeroNoteShown = true;
            if ((kind == 1 ? formCount : geoCount) == 2)
                second.hidden = false;
            return;
        }
        emptyList(first);
        emptyList(second);
        if (kind == 1)
            zeroNoteShown = false;
        first.hidden = true;
        second.hidden = true;
        return;
    }
    AuxListView &shown = list(listOfBox(kind));
    if (on) {
        shown.hidden = false;
        return;
    }
    emptyList(shown);
    shown.hidden = true;
}
