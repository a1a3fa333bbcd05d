#pragma once

#include <QObject>
#include <QRect>
#include <QSize>

class QWidget;

/// Rescales a window's controls and their fonts in proportion to the window's design size.
/// Create it once the window's controls exist: it records each control's design geometry and font
/// size and scales both whenever the window is resized.
class ResizeKit final : public QObject
{
    Q_OBJECT
public:
    ResizeKit(QWidget *form, QSize designSize);

    /// Places \a widget at \a rect in design coordinates (relative to its parent), scaled to the
    /// window's current size. Works for any control of a window that has a kit, else sets it as is.
    static void setDesignGeometry(QWidget *widget, const QRect &rect);
    /// Gives \a widget a font of \a pixels at the design size, scaled with the window like the others.
    static void setDesignFontPixels(QWidget *widget, int pixels);
    /// The design geometry of \a widget (its plain geometry when its window has no kit).
    static QRect designGeometry(const QWidget *widget);

    /// Records a control created after the kit.
    void adopt(QWidget *widget);
    void rescale();

    double scaleX() const { return m_sx; }
    double scaleY() const { return m_sy; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    static ResizeKit *kitOf(const QWidget *widget);
    void apply(QWidget *widget) const;

    QWidget *m_form;
    QSize m_designSize;
    double m_sx = 1.0;
    double m_sy = 1.0;
};
