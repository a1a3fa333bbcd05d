#include "ExerciseRow.h"

#include <QFont>
#include <QFontMetrics>

#include <algorithm>

namespace {

constexpr int Gap = 12;
constexpr int SmallestPixels = 9;

int widthOf(const QString &text, QFont font, int pixels)
{
    font.setPixelSize(pixels);
    return QFontMetrics(font).horizontalAdvance(text);
}

/// The largest size at which \a text, wrapped to \a width, fits \a height.
int pixelsToFit(const QString &text, QFont font, int pixels, int width, int height)
{
    for (; pixels > SmallestPixels; --pixels) {
        font.setPixelSize(pixels);
        const QRect needed
            = QFontMetrics(font).boundingRect(QRect(0, 0, width, 10000), Qt::TextWordWrap | Qt::AlignLeft, text);
        if (needed.width() <= width && needed.height() <= height)
            break;
    }
    return pixels;
}

} // namespace

ExerciseRowFit FitExerciseRow(const QString &exercise, const QString &verdict, const QFont &exerciseFont,
    const QFont &verdictFont, const QRect &row, int exerciseFrame)
{
    const int frame = 2 * exerciseFrame;
    ExerciseRowFit fit;
    fit.exercisePixels = exerciseFont.pixelSize();
    fit.verdictPixels = verdictFont.pixelSize();
    if (verdict.isEmpty()) {
        fit.exercise = row;
        fit.exercisePixels = widthOf(exercise, exerciseFont, fit.exercisePixels) <= row.width()
            ? fit.exercisePixels
            : pixelsToFit(exercise, exerciseFont, fit.exercisePixels, row.width() - frame, row.height() - frame);
        fit.wrapped = fit.exercisePixels != exerciseFont.pixelSize();
        return fit;
    }
    const int exerciseWidth = widthOf(exercise, exerciseFont, fit.exercisePixels);
    const int verdictWidth = widthOf(verdict, verdictFont, fit.verdictPixels);
    if (exerciseWidth + Gap + verdictWidth <= row.width()) {
        fit.verdict = QRect(row.right() + 1 - verdictWidth, row.y(), verdictWidth, row.height());
        fit.exercise = QRect(row.x(), row.y(), row.width() - verdictWidth - Gap, row.height());
        return fit;
    }
    // Each keeps the share of the row its text needs, the verdict at most half of it.
    const int available = row.width() - Gap;
    int verdictShare = std::min(verdictWidth, available / 2);
    if (exerciseWidth < available - verdictShare)
        verdictShare = available - exerciseWidth;
    const int exerciseShare = available - verdictShare;
    fit.wrapped = true;
    fit.exercise = QRect(row.x(), row.y(), exerciseShare, row.height());
    fit.verdict = QRect(row.right() + 1 - verdictShare, row.y(), verdictShare, row.height());
    fit.exercisePixels
        = pixelsToFit(exercise, exerciseFont, fit.exercisePixels, exerciseShare - frame, row.height() - frame);
    fit.verdictPixels = pixelsToFit(verdict, verdictFont, fit.verdictPixels, verdictShare, row.height());
    return fit;
}
