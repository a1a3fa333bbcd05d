#pragma once

#include <QRect>
#include <QString>

class QFont;

/// Where the exercise text and the verdict beside it go in an exercise row, and at what size.
struct ExerciseRowFit
{
    QRect exercise;
    QRect verdict; ///< empty when there is no verdict
    int exercisePixels = 0; ///< the font sizes, in pixels
    int verdictPixels = 0;
    bool wrapped = false; ///< the texts are set on two lines
};

/// Fits the exercise text and the verdict into \a row (design coordinates) so that neither covers
/// nor cuts off the other: side by side at their own sizes when they fit, else each in its share of
/// the row on up to two lines, at the largest size (down to 9 pixels) at which it fits.
/// A short exercise and verdict: one line each, the verdict at the right end. A title of 90
/// characters beside a long diagnosis: two lines each, at a smaller size.
/// \a exerciseFrame: what the exercise's frame takes on each side when the text is set on two lines.
ExerciseRowFit FitExerciseRow(const QString &exercise, const QString &verdict, const QFont &exerciseFont,
    const QFont &verdictFont, const QRect &row, int exerciseFrame = 1);
