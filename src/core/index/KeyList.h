#pragma once

#include <QString>
#include <QStringList>

/// How MakeKeyList cuts a text: a search query, or the name of a classification item.
enum KeyListMode : int {
    QueryMode = 0, ///< blanks (half- and full-width) separate keywords, brackets stay inside them
    ItemMode = 1 ///< brackets separate keywords, the full-width blank stays inside them
};

/// Turns a text into its keyword list: separators become commas, the text is split by the
/// comma-text rule, the pieces are sorted (locale order, letter case ignored) and repeated or
/// empty pieces are dropped. A text that splits into fewer than two pieces gives itself, whole,
/// as the only keyword. Any mode other than 0 is item mode.
/// "cat/dog cat" (query) → cat, dog;  "film(foreign)" (item) → film, foreign;
/// "/" → (none);  "" → one empty keyword;  " abc" (item) → " abc".
QStringList MakeKeyList(const QString &text, int mode);
