#include "ItemSearchState.h"

#include "ExampleLookup.h"
#include "KeywordSearch.h"

QStringList ItemSearchState::search(const DataTree &tree)
{
    const SearchResult found = orSearch ? SearchKoumokuOr(tree, query, exact) : SearchKoumokuAnd(tree, query, exact);
    hits = found.hits;
    hitCount = QString::number(found.result) + QStringLiteral(" 件のデータ");
    if (found.result >= 1)
        return {};
    noExamplesNote = false;
    return {QStringLiteral("一致する分類項目はありません！")};
}

void ItemSearchState::clearItem()
{
    key.clear();
    reading.clear();
    classNumber.clear();
    division1.clear();
    division2.clear();
    for (ItemExampleSlot &slot : examples) {
        slot.masked = true;
        slot.number.clear();
        slot.title.clear();
        slot.answerArea.clear();
        slot.answer.clear(); // the hint stays for its link
    }
}

void ItemSearchState::enterEntry()
{
    clearItem();
    hits.clear();
    query.clear();
}

void ItemSearchState::toggleMode()
{
    orSearch = !orSearch;
    focusEntry = true;
}

void ItemSearchState::chooseExact(bool on)
{
    exact = on;
    focusEntry = true;
}

void ItemSearchState::startAgain()
{
    enterEntry();
    focusEntry = true;
}

void ItemSearchState::pickHit(const DataTree &tree, int row)
{
    clearItem();
    const QString line = hits.value(row);
    if (line.isEmpty())
        return;
    const HitFields hit = SplitHitLine(line);
    if (!hit.valid)
        return;
    key = hit.key;
    reading = hit.reading;
    classNumber = hit.classNumber;
    division1 = hit.division1;
    division2 = hit.division2;
    if (hit.examples.isEmpty())
        return;
    const QStringList numbers = ExampleNumbersForSlots(hit.examples);
    for (int k = 0; k < numbers.size() && k < 4; ++k)
        if (!numbers.at(k).isEmpty())
            showExample(tree, k, numbers.at(k));
    noExamplesNote = true;
}

void ItemSearchState::showExample(const DataTree &tree, int slot, const QString &number)
{
    ItemExampleSlot &s = examples[static_cast<std::size_t>(slot)];
    s.number = number;
    const ExampleTexts texts = FindReidai(tree, number, ExampleSlot(slot + 1));
    if (!texts.written)
        return;
    s.hint = texts.hint;
    s.answer = texts.answer;
    s.title = texts.title;
    s.masked = false;
}

void ItemSearchState::showAnswer(int slot)
{
    ItemExampleSlot &s = examples.at(static_cast<std::size_t>(slot));
    s.answerArea = s.answer;
}

void ItemSearchState::showHint(int slot)
{
    ItemExampleSlot &s = examples.at(static_cast<std::size_t>(slot));
    s.answerArea = s.hint;
}
