#pragma once

#include <QStringList>
#include <QStringView>

/// Splits one record into its fields. Commas and every character of code 1..32 separate fields
/// outside double quotes, runs of such characters count as one separator, and a field in double
/// quotes may hold them ("" stands for one quote). A NUL ends the text.
/// "a, b" → a / b;  "a,,b" → a / (empty) / b;  "a," → a / (empty);  "\"x y\",z" → x y / z.
QStringList SplitCommaText(QStringView record);

/// The record SplitCommaText splits into \a fields: a field that holds a separator or a quote is
/// quoted. {"x y", "z", ""} → "\"x y\",z,".
QString JoinCommaText(const QStringList &fields);
